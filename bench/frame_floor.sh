#!/usr/bin/env bash
# The floor under bench/roll.sh (not a test; CI does not run it).
#
#   bench/frame_floor.sh [FRAME_FLOOR_PROGRAM] [ROLLS]    defaults: build/bench/frame_floor, 60
#
# Runs bench/frame_floor.cpp on a private virtual X display with a window manager, as
# bench/roll.sh runs the game: the same 21 ticks of 10 ms, five 32 x 32 pictures, and nothing else.
# Prints, per roll, the CPU of that program and of the X server for ticks that do nothing and for
# ticks that change the five pictures. No Qt widget program can animate a roll for less on this
# machine; the game's own roll costs these figures plus what a roll without animation costs.
set -u
prog=$(readlink -f "${1:-build/bench/frame_floor}")
rolls=${2:-60}
[ -x "$prog" ] || { echo "no program at $prog" >&2; exit 2; }
. "$(dirname "$0")/virtual_display.sh"
start_virtual_display 180

# The game's own setting (main.cpp): pictures go to the X server through the connection.
export QT_XCB_NO_MITSHM=1
for mode in ticks pictures; do
  echo "a minimal Qt program, 21 ticks of 10 ms, $mode ($rolls rolls, medians):"
  XPID=$xpid MODE=$mode ROLLS=$rolls XDG_RUNTIME_DIR=$work "$prog" | sed 's/^/  /'
done
