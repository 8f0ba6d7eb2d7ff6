#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in Release and runs them: one animation tick and
# one marking, a whole two-player game, and the start-up of the real program (time to the splash
# and to the main window, peak memory, idle CPU).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" libbenchmark-dev
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQUOPA_BENCHMARKS=ON >/dev/null
cmake --build build-bench -j"$(nproc)"
QT_QPA_PLATFORM=offscreen build-bench/bench/turn_benchmark
QT_QPA_PLATFORM=offscreen build-bench/bench/game_benchmark
bash bench/startup.sh build-bench/Dazivuvera "${RUNS:-10}"
