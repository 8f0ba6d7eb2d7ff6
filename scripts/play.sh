#!/usr/bin/env bash
# Installs what is missing, builds the game, installs it for this user (~/.local) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
install_missing "${BUILD_PACKAGES[@]}"
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DQUOPA_TESTS=OFF >/dev/null
cmake --build build-release -j"$(nproc)"
cmake --install build-release --prefix "$HOME/.local" >/dev/null
echo "Installed: $HOME/.local/bin/dazivuvera"
exec "$HOME/.local/bin/dazivuvera"
