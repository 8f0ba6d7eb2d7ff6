#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in Release and runs them, then prints the real
# program's figures of this run side by side. Every comparison is between figures measured in
# this run, on this machine, one after the other: figures from other runs or other machines are
# not comparable (a shared machine's figures vary by a tenth or more from one run to the next).
#   headless (offscreen platform, test doubles; no window system takes part):
#     turn_benchmark   one animation tick drawn offscreen (face frames), one marking
#     game_benchmark   a whole two-player game: the game's logic alone, and with the offscreen
#                      renderer painting once per roll (the animation's ticks back to back)
#   real program on a virtual X display (Xvfb and openbox):
#     bench/roll.sh    CPU of the program and of the X server per roll, default options (the
#                      long animation: 30 ticks of 10 ms), and the same with the animation off
#                      (a roll that shows no frames)
#     bench/startup.sh time to the splash and to the main window, peak memory, idle CPU
#     bench/frame_floor.sh  the same 30 ticks of 10 ms in a minimal Qt program: the floor under a
#                      roll
# When one of them fails (a roll that did not happen, a window that did not appear, frames that
# were not painted), this script stops with a message on stderr, exit status 1 and no summary.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" libbenchmark-dev imagemagick
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQUOPA_BENCHMARKS=ON >/dev/null
cmake --build build-bench -j"$(nproc)"

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "scripts/bench.sh: $*; no summary" >&2; exit 1; }
# Runs a benchmark, shows its output and keeps it in $out/NAME. A benchmark of the benchmark
# library that finds its work not done reports "ERROR OCCURRED" and still exits with status 0.
run() {
  local name=$1
  shift
  "$@" | tee "$out/$name" || fail "$name failed (exit status ${PIPESTATUS[0]})"
  if grep -q "ERROR OCCURRED" "$out/$name"; then fail "$name found its work not done"; fi
}
QT_QPA_PLATFORM=offscreen run turn build-bench/bench/turn_benchmark
QT_QPA_PLATFORM=offscreen run game build-bench/bench/game_benchmark
run roll bash bench/roll.sh build-bench/Dazivuvera "${ROLLS:-30}"
ANIMATION=0 run still bash bench/roll.sh build-bench/Dazivuvera "${ROLLS:-30}"
run floor bash bench/frame_floor.sh build-bench/bench/frame_floor 60
run start bash bench/startup.sh build-bench/Dazivuvera "${RUNS:-10}"

# The first figure after a label that starts a line: a median in the tables of roll.sh and
# startup.sh, the program's figure in the table of frame_floor.sh. Fails when it is missing.
figure() {
  local v
  v=$(awk -v k="$2" -v col="${3:-1}" \
    'index($0, k) == 1 { $0 = substr($0, length(k) + 1); print $col; exit }' "$out/$1")
  [[ "$v" =~ ^[0-9]+(\.[0-9]+)?$ ]] || fail "no figure \"$2\" in the output of $1"
  echo "$v"
}
roll=$(figure roll "program + X server")
still=$(figure still "program + X server")
# What a minimal Qt program pays, itself and the X server, for the same 30 ticks of pictures.
frames=$(figure floor "ticks that change the five pictures" 3)
main=$(figure start "main window shown (ms)")
rss=$(figure start "peak RSS (MiB)")
sum() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a + b }'; }
minus() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%+.2f", a - b }'; }
# A roll of the game cannot cost less than a roll that shows no frames plus the frames alone.
floor=$(sum "$still" "$frames")

echo
echo "This run, medians. CPU per roll, program + X server (ms):"
printf '  %-62s %8s\n' "roll, animation on (default: stamp frames, 30 ticks of 10 ms)" "$roll"
printf '  %-62s %8s\n' "roll, animation off (the faces at the first tick)" "$still"
printf '  %-62s %8s\n' "minimal Qt program, 30 ticks of 10 ms changing 5 pictures" "$frames"
printf '  %-62s %8s\n' "floor: roll with animation off + the minimal program's ticks" "$floor"
printf '  %-62s %8s\n' "roll above the floor" "$(minus "$roll" "$floor")"
printf '  %-62s %8s\n' "the animation of a roll (animation on - animation off)" \
  "$(minus "$roll" "$still")"
echo "Start-up:"
printf '  %-62s %8s\n' "main window shown (ms)" "$main"
printf '  %-62s %8s\n' "peak RSS (MiB)" "$rss"
# The target: a roll that shows its frames costs no more than the same program's roll without
# them, both measured above.
verdict=$(awk -v v="$roll" -v t="$still" 'BEGIN { print (v <= t) ? "met" : "NOT met" }')
echo
echo "Target, from this run's figures: a roll with the animation costs no more than one without:" \
  "$roll <= $still ms: $verdict"
if awk -v f="$floor" -v t="$still" 'BEGIN { exit !(f > t) }'; then
  echo "(The floor, $floor ms, is above it: no Qt widget program animates a roll for less here.)"
fi
