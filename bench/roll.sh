#!/usr/bin/env bash
# Roll benchmark of the real program (not a test; CI does not run it).
#
#   bench/roll.sh [PROGRAM] [ROLLS]        defaults: build/Dazivuvera, 30 rolls
#
# Starts PROGRAM under a private virtual X display with a window manager (Xvfb and openbox), with
# a fresh HOME and so the default options (animation on with the stamp frames and the long length,
# 30 ticks of 10 ms; sound on when the machine has a sound device), and rolls with the Enter key
# sent to the main window by xdotool (as a window event, so the window manager's key grabs take
# no part), three rolls a turn; between turns a right click marks a zero on the sheet. The first
# turn's three rolls check the animation and are not timed (they also take the first roll's
# loading out of the figures); the next ROLLS rolls are timed. For each timed roll it reads the
# CPU time of the program (all its threads) and of the X server from /proc/PID/task/*/schedstat
# (nanoseconds) once both are idle before the key, and again once the roll has ended: when
# neither has used any CPU, nor had a thread running or waiting for a core, for QUIET_MS
# milliseconds (default 200; the animation ticks every 10 ms, and the program idles at 0 between
# rolls). The markings between turns are not counted. Reports the median, mean and range per
# roll of:
#   program CPU   the whole roll: the key, the 30 animation frames, the faces, the combinations,
#                 the sound and every repaint of the program's windows
#   X server CPU  what the X server did meanwhile: the key, the pictures and repaints the program
#                 sent, the pointer changes
#
# What it times is checked, outside the timed interval:
# - The animation. During each roll of the first turn, bench/window_repaints (built with the
#   benchmarks) counts, through the X server, the repaints of the window that covered the centre
#   of each die. The default animation repaints every die on each of its 30 ticks (29 frames,
#   then the last frame with the faces); with the roll's other repaints that cover the dice (the
#   whole window at the key, the faces and combinations at the end) that makes about 32. Each die
#   must have been repainted at least 20 times: not 30, because on a busy machine the program may
#   run two ticks before it repaints, and Qt then paints them as one. A build whose animation
#   draws nothing repaints the dice 3 times and stops the benchmark. With ANIMATION=0 the reverse
#   is checked, so that the roll without the animation shows no frames: no die repainted more
#   than 10 times (3 are expected). The counter runs only in these untimed rolls, so the X
#   server's reports to it cost the timed rolls nothing.
# - The rolls. The roll button shows the rolls left ("Roll  3", "Roll  2", "Roll  1", then "Mark
#   points"), and the program writes that count only when a roll has ended. A capture of the
#   button after each roll must differ from the one before the key, and after each marking the
#   button must be back to "Roll  3"; from the second turn on, each capture must also match the
#   one taken at the same point of the first turn, so that a window or menu over the button
#   cannot pass for a roll.
# Dice that did not show the animation (or, with ANIMATION=0, showed one), a key that made no
# roll, a roll that did not end within ROLL_TIMEOUT_S seconds (default 10) or a click that marked
# nothing stops the benchmark with a message on stderr, exit status 1 and no figures.
#
# ANIMATION=0 stores the animation off before the start, to compare with a roll that shows no
# frames (the faces are drawn at the first tick). SHOT=file.png makes one more roll after the
# timed ones and saves a screenshot MID_MS milliseconds (default 150) into it; that roll is not
# counted. DEBUG=1 prints each roll's figures. REPAINTS names the repaint counter (default:
# bench/window_repaints beside PROGRAM). Needs Xvfb, openbox, xdotool, xdpyinfo, xprop and import
# (imagemagick).
set -u

prog=$(readlink -f "${1:-build/Dazivuvera}")
rolls=${2:-30}
quiet_us=$(( ${QUIET_MS:-200} * 1000 ))
timeout_us=$(( ${ROLL_TIMEOUT_S:-10} * 1000000 ))
repaints=$(readlink -f "${REPAINTS:-$(dirname "$prog")/bench/window_repaints}")
# The first turn checks the animation, untimed.
checked=3
steps=$((checked + rolls))
[ -n "${SHOT:-}" ] && steps=$((steps + 1))

[ -x "$prog" ] || { echo "no program at $prog" >&2; exit 2; }
[ -x "$repaints" ] ||
  { echo "no repaint counter at $repaints (built with -DQUOPA_BENCHMARKS=ON)" >&2; exit 2; }
# Three rolls a turn and a zero in one of the first column's 11 boxes between turns: beyond 33
# rolls the zeros would fall on marked boxes and the rolls be refused.
[ "$steps" -le 33 ] || { echo "at most 30 timed rolls (29 with SHOT)" >&2; exit 2; }
. "$(dirname "$0")/virtual_display.sh"
start_virtual_display 170 xdotool import

fail() { echo "bench/roll.sh: $*; no figures" >&2; exit 1; }
# xdotool reads a variable DEBUG of its own: it must not see ours.
xdo() { env -u DEBUG xdotool "$@"; }

# CPU time of every thread of process $1 into `cpu` (nanoseconds); `busy` set when one of them is
# running or waiting for a core. Bash builtins only: polling forks nothing and costs next to
# nothing beside the two processes it watches.
probe() {
  local t a rest line
  cpu=0
  for t in /proc/"$1"/task/*; do
    read -r a rest 2>/dev/null <"$t/schedstat" || continue
    cpu=$((cpu + a))
    read -r line 2>/dev/null <"$t/stat" || continue
    line=${line##*) }
    [ "${line:0:1}" = R ] && busy=1
  done
}

# A pause of 10 ms without a process: a read with a timeout on a pipe nobody writes to.
mkfifo "$work/never"
exec {never}<>"$work/never"

# Waits until the program and the X server have both been idle for QUIET_MS, and sets pcpu and
# xcpu to their CPU times then. Fails when they are not idle within ROLL_TIMEOUT_S.
settle() {
  local start since now last="" state
  start=${EPOCHREALTIME/[.,]/}; since=$start
  while :; do
    kill -0 "$apid" 2>/dev/null || fail "the program ended ($1)"
    busy=0
    probe "$apid"; pcpu=$cpu
    probe "$xpid"; xcpu=$cpu
    state="$pcpu $xcpu"
    now=${EPOCHREALTIME/[.,]/}
    if [ "$busy" = 1 ] || [ "$state" != "$last" ]; then
      last=$state; since=$now
    elif [ $((now - since)) -ge "$quiet_us" ]; then
      return 0
    fi
    [ $((now - start)) -lt "$timeout_us" ] ||
      fail "the program was still busy ${ROLL_TIMEOUT_S:-10} s after $1"
    read -r -t 0.01 -u "$never"
  done
}

home=$work/home; run=$run_root/run; mkdir -p "$run" "$home/.config"; chmod 700 "$run"
if [ "${ANIMATION:-1}" = 0 ]; then
  mkdir -p "$home/.config/Ostrelo"
  printf '[MainForm]\nAnimation=False\n' >"$home/.config/Ostrelo/Tuvel Quopa.ini"
fi
HOME=$home XDG_RUNTIME_DIR=$run XDG_CONFIG_HOME=$home/.config \
  "$prog" >"$home/program.log" 2>&1 & apid=$!

win=""
for _ in $(seq 300); do
  win=$(xdo search --all --onlyvisible --pid "$apid" --name '^ Ostrelo Tuvel Quopa$' 2>/dev/null)
  [ -n "$win" ] && break
  kill -0 "$apid" 2>/dev/null || break
  sleep 0.05
done
[ -n "$win" ] || fail "the main window did not appear"
[ -n "${DEBUG:-}" ] && echo "window: $win" >&2
xdo windowactivate --sync "$win" >/dev/null 2>&1

# The roll button of player 1, in the window's own coordinates, on this display (1280 x 1024,
# the window maximised by openbox): the dice table is centred, the button at its lower left.
button=104x56+534+237
# A digest of what the button shows now.
capture() {
  import -window "$win" -crop "$button" +repage rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
}
# The centres of the five dice, in the window's own coordinates: 32 x 32 pictures 42 pixels
# apart, the first at 541+148, 7 pixels right of the roll button's left edge and 89 above it.
dice=("557,164" "598,164" "640,164" "682,164" "723,164")
mkfifo "$work/repaints.in" "$work/repaints.out"
# Starts counting the repaints of the dice; returns once the X server reports them.
count_repaints() {
  "$repaints" "$win" "${dice[@]}" <"$work/repaints.in" >"$work/repaints.out" \
    2>"$work/repaints.err" &
  rpid=$!
  exec {rin}>"$work/repaints.in" {rout}<"$work/repaints.out"
  local ready=""
  read -r -t 10 -u "$rout" ready
  [ "$ready" = ready ] || fail "the repaint counter did not start: $(cat "$work/repaints.err")"
}
# Ends the count and checks it: the dice repainted on about the 30 ticks of the default animation,
# or, with the animation off, on next to none.
check_repaints() {
  local counts="" fewest most
  exec {rin}>&-
  read -r -t 10 -u "$rout" counts
  wait "$rpid"
  exec {rout}<&-
  [ -n "$counts" ] || fail "roll $1: the repaint counter gave no count: $(cat "$work/repaints.err")"
  [ -n "${DEBUG:-}" ] && echo "roll $1: repaints of the five dice: $counts" >&2
  fewest=$(tr ' ' '\n' <<<"$counts" | sort -n | head -1)
  most=$(tr ' ' '\n' <<<"$counts" | sort -n | tail -1)
  if [ "${ANIMATION:-1}" = 0 ]; then
    [ "$most" -le 10 ] || fail "roll $1: with the animation off the dice were repainted" \
      "$counts times (each die): the roll showed frames"
  else
    [ "$fewest" -ge 20 ] || fail "roll $1: the dice were repainted $counts times (each die)," \
      "not on about the 30 ticks of the default animation: the animation was not drawn"
  fi
}
# The sheet's first column, in the window's own coordinates: boxes 1-6, then the lower section.
cells=(48 67 86 105 124 143 220 239 258 277 296)

settle "the start"
ready=$(capture)   # "Roll  3": the look of the button at the start of each turn
shown=$ready
# What the button showed after each roll of the first turn, by its place in the turn.
declare -a first_turn
: >"$work/prog" ; : >"$work/x"
for r in $(seq "$steps"); do
  settle "the capture before roll $r"
  [ "$r" -le "$checked" ] && count_repaints
  p0=$pcpu; x0=$xcpu
  xdo key --window "$win" Return
  if [ "$r" -gt $((checked + rolls)) ]; then
    sleep "$(awk -v m="${MID_MS:-150}" 'BEGIN {print m / 1000}')"
    import -window root "$SHOT" 2>/dev/null
  fi
  settle "the key of roll $r"
  p1=$pcpu; x1=$xcpu
  [ "$r" -le "$checked" ] && check_repaints "$r"
  now=$(capture)
  [ "$now" != "$shown" ] ||
    fail "roll $r: the roll button still shows the rolls left before the key: the key made" \
      "no roll, or the roll did not end"
  place=$(((r - 1) % 3))
  if [ "$r" -le 3 ]; then
    first_turn[place]=$now
  elif [ "$now" != "${first_turn[place]}" ]; then
    fail "roll $r: the roll button does not look as after roll $((place + 1)) of the first turn"
  fi
  shown=$now
  if [ "$r" -gt "$checked" ] && [ "$r" -le $((checked + rolls)) ]; then
    echo $((p1 - p0)) >>"$work/prog"; echo $((x1 - x0)) >>"$work/x"
    [ -n "${DEBUG:-}" ] && echo "roll $r: $((p1 - p0)) $((x1 - x0))" >&2
  fi
  if [ $((r % 3)) = 0 ] && [ "$r" != "$steps" ]; then
    turn=$((r / 3 - 1))
    settle "the capture after roll $r"
    xdo mousemove --window "$win" 45 "${cells[$((turn % ${#cells[@]}))]}" click 3
    settle "the marking after roll $r"
    shown=$(capture)
    [ "$shown" = "$ready" ] ||
      fail "the right click after roll $r marked nothing: the roll button does not show \"Roll  3\""
  fi
done

# median, mean, min and max of a file of nanoseconds, in milliseconds
summary() {
  sort -n "$1" | awk '{v[NR] = $1 / 1e6; s += v[NR]}
    END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
          printf "%8.2f %8.2f %8.2f %8.2f\n", m, s / NR, v[1], v[NR] }'
}
if [ "${ANIMATION:-1}" = 0 ]; then
  animation="animation off: the faces at the first 10 ms tick, no frames"
else
  animation="animation on, the default: stamp frames, long, 30 ticks of 10 ms"
fi
echo "$(basename "$prog"): $rolls rolls, each seen to end, after $checked that showed the" \
  "animation as set (Xvfb 1280x1024x24, openbox, fresh HOME, $animation)"
printf '%-24s %8s %8s %8s %8s\n' "CPU per roll (ms)" median mean min max
printf '%-24s %s\n' "program" "$(summary "$work/prog")"
printf '%-24s %s\n' "X server" "$(summary "$work/x")"
paste "$work/prog" "$work/x" | awk '{print $1 + $2}' >"$work/sum"
printf '%-24s %s\n' "program + X server" "$(summary "$work/sum")"
