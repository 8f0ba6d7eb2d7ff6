#!/usr/bin/env bash
# Start-up benchmark of the real program (not a test; CI does not run it).
#
#   bench/startup.sh [PROGRAM] [RUNS]        defaults: build/Dazivuvera, 10 runs
#
# Starts PROGRAM RUNS times under a private virtual X display with a window manager (Xvfb and
# openbox, as tools/screenshot does), each time with a fresh HOME, and reports the median and the
# range of:
#   splash      time from the process start to its first window (the splash) being mapped
#   main        time from the process start to the main window " Ostrelo Tuvel Quopa" being shown
# Both are read from X events: the window manager's list of managed windows on the root window,
# followed with `xprop -spy` (a window enters the list when the window manager maps it).
#   peak RSS    VmHWM of the process, read after the idle period
#   idle CPU    user + system CPU time used in the IDLE_S seconds (default 10) after the main
#               window appeared; an idle program uses next to none
# Needs Xvfb, openbox, xdpyinfo and xprop.
set -u

prog=$(readlink -f "${1:-build/Dazivuvera}")
runs=${2:-10}
idle_s=${IDLE_S:-10}
timeout_s=${TIMEOUT_S:-30}

[ -x "$prog" ] || { echo "no program at $prog" >&2; exit 2; }
. "$(dirname "$0")/virtual_display.sh"
# One display and window manager for all runs: only the program's own start is measured.
start_virtual_display 150

now_us() { local t=${EPOCHREALTIME/[.,]/}; echo "$t"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null; }
hz=$(getconf CLK_TCK)

# The windows the window manager manages, as it announces them on the root window: one line from
# `xprop -spy` each time the list changes, so the script waits on X events instead of polling.
ids_of() { grep -o '0x[0-9a-f]*' <<<"$1"; }
spy_fifo=$work/clients
mkfifo "$spy_fifo"

# Starts the program and follows the client list until its main window appears; sets splash and
# main to the microseconds from the start to the first window of the run (the splash) and to the
# main window " Ostrelo Tuvel Quopa", both as the window manager took them on the screen.
run_program() {
  local home=$1 run=$2 line t id known spypid
  splash="" main=""
  xprop -root -spy _NET_CLIENT_LIST >"$spy_fifo" 2>/dev/null & spypid=$!
  exec 3<"$spy_fifo"
  read -r -t "$timeout_s" -u 3 line   # the list as it stands: the spy is listening
  known=" $(ids_of "$line" | tr '\n' ' ') "
  start=$(now_us)
  HOME=$home XDG_RUNTIME_DIR=$run XDG_CONFIG_HOME=$home/.config \
    "$prog" >"$home/program.log" 2>&1 & apid=$!
  while [ -z "$main" ] && read -r -t "$timeout_s" -u 3 line; do
    t=$(( $(now_us) - start ))
    for id in $(ids_of "$line"); do
      case "$known" in *" $id "*) continue ;; esac
      known="$known$id "
      [ -z "$splash" ] && splash=$t
      [[ "$(xprop -id "$id" WM_NAME 2>/dev/null)" == *'" Ostrelo Tuvel Quopa"'* ]] && main=$t
    done
  done
  kill "$spypid" 2>/dev/null; wait "$spypid" 2>/dev/null
  exec 3<&-
}

: >"$work/splash" ; : >"$work/main" ; : >"$work/rss" ; : >"$work/cpu"
failed=0
for r in $(seq "$runs"); do
  home="$work/home$r"; run="$run_root/run$r"; mkdir -p "$home" "$run"; chmod 700 "$run"
  run_program "$home" "$run"
  if [ -z "$splash" ] || [ -z "$main" ]; then
    echo "run $r: the program did not show its windows; its output ends with:" >&2
    tail -n 3 "$home/program.log" | sed 's/^/    /' >&2
    failed=$((failed + 1))
  else
    before=$(cpu_ticks "$apid")
    sleep "$idle_s"
    after=$(cpu_ticks "$apid")
    rss=$(awk '/^VmHWM:/ {print $2}' "/proc/$apid/status" 2>/dev/null)
    if [ -z "$before" ] || [ -z "$after" ] || [ -z "$rss" ]; then
      echo "run $r: the program ended during the idle period" >&2
      failed=$((failed + 1))
    else
      echo $(( splash / 1000 )) >>"$work/splash"
      echo $(( main / 1000 )) >>"$work/main"
      echo "$rss" >>"$work/rss"
      echo $(( (after - before) * 1000 / hz )) >>"$work/cpu"
      printf 'run %2d: splash %5d ms, main %5d ms, peak RSS %6.1f MiB, idle CPU %4d ms\n' \
        "$r" $((splash / 1000)) $((main / 1000)) "$(echo "$rss" | awk '{print $1 / 1024}')" \
        $(( (after - before) * 1000 / hz ))
    fi
  fi
  kill "$apid" 2>/dev/null; wait "$apid" 2>/dev/null; apid=""
done

# median, min and max of a file of numbers, one a line, scaled by $2
summary() {
  sort -n "$1" | awk -v s="$2" '{v[NR] = $1 / s}
    END {
      if (NR == 0) { print "      -       -       -"; exit }
      m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "%9.1f %9.1f %9.1f\n", m, v[1], v[NR]
    }'
}

# A figure from fewer runs than asked, with the failures left out, would read as a faster program.
[ "$failed" -eq 0 ] || { echo "bench/startup.sh: $failed of $runs runs failed; no summary" >&2; exit 1; }
echo
echo "$(basename "$prog"): $runs runs (Xvfb 1280x1024, openbox, fresh HOME each run, runtime folder in memory)"
printf '%-28s %9s %9s %9s\n' "" median min max
printf '%-28s %s\n' "splash mapped (ms)" "$(summary "$work/splash" 1)"
printf '%-28s %s\n' "main window shown (ms)" "$(summary "$work/main" 1)"
printf '%-28s %s\n' "peak RSS (MiB)" "$(summary "$work/rss" 1024)"
printf '%-28s %s\n' "idle CPU in ${idle_s} s (ms)" "$(summary "$work/cpu" 1)"
