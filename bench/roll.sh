#!/usr/bin/env bash
# Roll benchmark of the real program (not a test; CI does not run it).
#
#   bench/roll.sh [PROGRAM] [ROLLS]        defaults: build/Dazivuvera, 30 rolls
#
# Starts PROGRAM under a private virtual X display with a window manager (Xvfb and openbox), with
# a fresh HOME and so the default options (animation on, the stamp frames, the long animation,
# sound on), and rolls ROLLS times with the Enter key sent to the main window by xdotool (as a
# window event, so the window manager's key grabs take no part), three rolls a turn; between
# turns a right click marks a zero on the sheet. For each roll it reads the CPU time of the
# program (all its threads) and of the X server just before the key and once the roll has ended
# (SETTLE_S seconds later, default 0.8; the program idles at 0 between rolls), from
# /proc/PID/task/*/schedstat (nanoseconds). The markings between turns are not counted. Reports
# the median, mean and range per roll of:
#   program CPU   the whole roll: the key, the 30 animation frames, the faces, the combinations,
#                 the sound started and every repaint of the program's windows
#   X server CPU  what the X server did meanwhile: the key, the pictures and repaints the program
#                 sent, the pointer changes
# ANIMATION=0 stores the animation off before the start, to compare with a roll that shows no
# frames. SHOT=file.png saves a screenshot MID_MS milliseconds (default 150) into the last roll.
# DEBUG=1 prints each roll's figures. Needs Xvfb, openbox, xdotool, xdpyinfo and xprop (and
# import, for SHOT).
set -u

prog=$(readlink -f "${1:-build/Dazivuvera}")
rolls=${2:-30}
settle_s=${SETTLE_S:-0.8}

[ -x "$prog" ] || { echo "no program at $prog" >&2; exit 2; }
# Three rolls a turn and a zero in one of the first column's 11 boxes between turns: beyond 33
# rolls the zeros would fall on marked boxes and the rolls be refused.
[ "$rolls" -le 33 ] || { echo "at most 33 rolls" >&2; exit 2; }
. "$(dirname "$0")/virtual_display.sh"
start_virtual_display 170 xdotool

# CPU time of every thread of a process, nanoseconds.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {print s + 0}'; }

home=$work/home; run=$run_root/run; mkdir -p "$run" "$home/.config"; chmod 700 "$run"
if [ "${ANIMATION:-1}" = 0 ]; then
  mkdir -p "$home/.config/Ostrelo"
  printf '[MainForm]\nAnimation=False\n' >"$home/.config/Ostrelo/Tuvel Quopa.ini"
fi
HOME=$home XDG_RUNTIME_DIR=$run XDG_CONFIG_HOME=$home/.config \
  "$prog" >"$home/program.log" 2>&1 & apid=$!

win=""
for _ in $(seq 300); do
  win=$(xdotool search --all --onlyvisible --pid "$apid" --name '^ Ostrelo Tuvel Quopa$' 2>/dev/null)
  [ -n "$win" ] && break
  kill -0 "$apid" 2>/dev/null || break
  sleep 0.05
done
[ -n "$win" ] || { echo "the main window did not appear" >&2; exit 1; }
[ -n "${DEBUG:-}" ] && echo "window: $win" >&2
xdotool windowactivate --sync "$win" >/dev/null 2>&1
sleep 1

# The sheet's first column, in the window's own coordinates: boxes 1-6, then the lower section.
cells=(48 67 86 105 124 143 220 239 258 277 296)
: >"$work/prog" ; : >"$work/x"
for r in $(seq "$rolls"); do
  p0=$(cpu_ns "$apid"); x0=$(cpu_ns "$xpid")
  xdotool key --window "$win" Return
  if [ -n "${SHOT:-}" ] && [ "$r" = "$rolls" ]; then
    sleep "$(awk -v m="${MID_MS:-150}" 'BEGIN {print m / 1000}')"
    import -window root "$SHOT" 2>/dev/null
  fi
  sleep "$settle_s"
  p1=$(cpu_ns "$apid"); x1=$(cpu_ns "$xpid")
  kill -0 "$apid" 2>/dev/null || { echo "the program ended at roll $r" >&2; exit 1; }
  echo $((p1 - p0)) >>"$work/prog"; echo $((x1 - x0)) >>"$work/x"
  [ -n "${DEBUG:-}" ] && echo "roll $r: $((p1 - p0)) $((x1 - x0))" >&2
  if [ $((r % 3)) = 0 ] && [ "$r" != "$rolls" ]; then
    turn=$((r / 3 - 1))
    xdotool mousemove --window "$win" 45 "${cells[$((turn % ${#cells[@]}))]}" click 3
    sleep 0.3
  fi
done

# median, mean, min and max of a file of nanoseconds, in milliseconds
summary() {
  sort -n "$1" | awk '{v[NR] = $1 / 1e6; s += v[NR]}
    END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
          printf "%8.2f %8.2f %8.2f %8.2f\n", m, s / NR, v[1], v[NR] }'
}
echo "$(basename "$prog"): $rolls rolls (Xvfb 1280x1024x24, openbox, fresh HOME," \
  "animation ${ANIMATION:-on})"
printf '%-24s %8s %8s %8s %8s\n' "CPU per roll (ms)" median mean min max
printf '%-24s %s\n' "program" "$(summary "$work/prog")"
printf '%-24s %s\n' "X server" "$(summary "$work/x")"
paste "$work/prog" "$work/x" | awk '{print $1 + $2}' >"$work/sum"
printf '%-24s %s\n' "program + X server" "$(summary "$work/sum")"
