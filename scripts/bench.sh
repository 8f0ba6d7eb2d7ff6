#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in Release and runs them, then prints the real
# program's figures of this run side by side and judges its one target from them. Every
# comparison is between figures measured in this run, on this machine, one after the other:
# figures from other runs or other machines are not comparable (a shared machine's figures vary
# by a tenth or more from one run to the next).
#   headless (offscreen platform, test doubles; no window system takes part):
#     turn_benchmark   one animation tick drawn offscreen (face frames), one marking
#     game_benchmark   a whole two-player game: the game's logic alone, and with the offscreen
#                      renderer painting once per roll (the animation's ticks back to back)
#   real program on a virtual X display (Xvfb and openbox):
#     bench/roll.sh    CPU of the program and of the X server per roll, default options (the
#                      long animation: 30 ticks of 10 ms), and the same with the animation off
#                      (a roll that shows no frames); first seen, untimed, to draw the animation
#                      as set
#     bench/startup.sh time to the splash and to the main window, peak memory, idle CPU
#     bench/frame_floor.sh  the same 30 ticks of 10 ms in a minimal Qt program, once changing
#                      nothing and once changing five pictures
# The target: the animation's own cost (a roll minus a roll with the animation off) is at most
# 1.25 times what the minimal program pays for its 30 ticks that change the pictures.
# When one of them fails (a check that found the work not done, an animation not drawn, a roll
# that did not happen, a window that did not appear, frames that were not painted), this script
# stops with a message on stderr, exit status 1 and no summary.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" libbenchmark-dev \
  libxcb-damage0-dev pkg-config imagemagick
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQUOPA_BENCHMARKS=ON >/dev/null
cmake --build build-bench -j"$(nproc)"

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "scripts/bench.sh: $*; no summary" >&2; exit 1; }
# Runs a benchmark, shows its output and keeps it in $out/NAME. A benchmark of the benchmark
# library that finds its work not done reports "ERROR OCCURRED" with the failed check and still
# exits with status 0.
run() {
  local name=$1 error
  shift
  "$@" | tee "$out/$name" || fail "$name failed (exit status ${PIPESTATUS[0]})"
  if error=$(grep -m1 "ERROR OCCURRED" "$out/$name"); then
    fail "$name failed: $(tr -s ' ' <<<"$error")"
  fi
}
QT_QPA_PLATFORM=offscreen run turn build-bench/bench/turn_benchmark
QT_QPA_PLATFORM=offscreen run game build-bench/bench/game_benchmark
run roll bash bench/roll.sh build-bench/Dazivuvera "${ROLLS:-30}"
ANIMATION=0 run still bash bench/roll.sh build-bench/Dazivuvera "${ROLLS:-30}"
run floor bash bench/frame_floor.sh build-bench/bench/frame_floor 60
run start bash bench/startup.sh build-bench/Dazivuvera "${RUNS:-10}"

# The figure in column COLUMN (default 1) after a label that starts a line: the first is a median
# in the tables of roll.sh and startup.sh; the third of frame_floor.sh's table is program + X
# server. Fails when it is missing.
figure() {
  local v
  v=$(awk -v k="$2" -v col="${3:-1}" \
    'index($0, k) == 1 { $0 = substr($0, length(k) + 1); print $col; exit }' "$out/$1")
  [[ "$v" =~ ^[0-9]+(\.[0-9]+)?$ ]] || fail "no figure \"$2\" in the output of $1"
  echo "$v"
}
roll=$(figure roll "program + X server")
still=$(figure still "program + X server")
# What the minimal Qt program pays, itself and the X server, for 30 ticks that change nothing,
# and for 30 ticks that change its five pictures.
ticks=$(figure floor "ticks that change nothing" 3)
frames=$(figure floor "ticks that change the five pictures" 3)
main=$(figure start "main window shown (ms)")
rss=$(figure start "peak RSS (MiB)")
# The value of an awk expression, to two places; in parentheses, so that a ">" in it compares.
calc() { awk "BEGIN { printf \"%.2f\", ($1) }"; }
# The animation's own cost: the two rolls differ only in the animation, 29 more ticks and the
# frames. It is set against the whole cost of the minimal program's changing ticks, not that less
# the ticks that change nothing: the game too wakes up on each tick to draw it.
animation=$(calc "$roll - $still")
limit=$(calc "1.25 * $frames")

echo
echo "This run, medians. CPU per roll, program + X server (ms):"
line() { printf '  %-68s %8s\n' "$@"; }
line "roll, animation on (default: stamp frames, 30 ticks of 10 ms)" "$roll"
line "roll, animation off (the faces at the first tick)" "$still"
line "the animation of a roll (animation on - animation off)" "$animation"
line "minimal Qt program, 30 ticks of 10 ms that change nothing" "$ticks"
line "minimal Qt program, 30 ticks of 10 ms that change 5 pictures" "$frames"
line "limit: 1.25 x the minimal program's 30 ticks that change 5 pictures" "$limit"
echo "Start-up:"
line "main window shown (ms)" "$main"
line "peak RSS (MiB)" "$rss"
verdict=$(awk -v a="$animation" -v l="$limit" 'BEGIN { print (a <= l) ? "met" : "NOT met" }')
ratio=$(calc "$frames > 0 ? $animation / $frames : 0")
echo
echo "Target, from this run's figures: the animation of a roll costs at most 1.25 times the" \
  "minimal program's 30 ticks: $animation <= $limit ms ($ratio times): $verdict"
