#!/usr/bin/env bash
# The floor under bench/roll.sh (not a test; CI does not run it).
#
#   bench/frame_floor.sh [FRAME_FLOOR_PROGRAM] [ROLLS]    defaults: build/bench/frame_floor, 60
#
# Runs bench/frame_floor.cpp on a private virtual X display with a window manager, as
# bench/roll.sh runs the game, with the animation of the game's default options: 30 ticks of
# 10 ms a roll (the long length), five 32 x 32 pictures, and nothing else. Prints, per roll, the
# median CPU of that program and of the X server for ticks that do nothing and for ticks that
# change the five pictures. No Qt widget program can animate a roll for less on this machine:
# scripts/bench.sh sets the cost of the game's animation (a roll less a roll without it) against
# the figure of the ticks that change the pictures. The program checks that every tick of every
# counted roll repainted the five pictures (and that the ticks that do nothing repainted none);
# when one did not, this script stops with a message on stderr, exit status 1 and no figures.
set -u
prog=$(readlink -f "${1:-build/bench/frame_floor}")
rolls=${2:-60}
[ -x "$prog" ] || { echo "no program at $prog" >&2; exit 2; }
. "$(dirname "$0")/virtual_display.sh"
start_virtual_display 180

# The game's own setting (main.cpp): pictures go to the X server through the connection.
export QT_XCB_NO_MITSHM=1
declare -A figures
for mode in ticks pictures; do
  figures[$mode]=$(XPID=$xpid MODE=$mode ROLLS=$rolls XDG_RUNTIME_DIR=$work "$prog") || {
    echo "bench/frame_floor.sh: the $mode rolls did not all paint as they should; no figures" >&2
    exit 1
  }
done

echo "frame_floor: a minimal Qt program, 30 ticks of 10 ms a roll (the game's default" \
  "animation, long), $rolls rolls, medians"
printf '%-40s %8s %8s %8s\n' "CPU per roll (ms)" program "X server" together
for mode in ticks pictures; do
  case $mode in
    ticks) label="ticks that change nothing" ;;
    pictures) label="ticks that change the five pictures" ;;
  esac
  # shellcheck disable=SC2086  # the two figures, split on purpose
  set -- ${figures[$mode]}
  printf '%-40s %8.2f %8.2f %8.2f\n' "$label" "$1" "$2" \
    "$(awk -v a="$1" -v b="$2" 'BEGIN {print a + b}')"
done
