# Sourced by the benchmarks of the real program: a private virtual X display with a window manager
# (Xvfb and openbox), a work folder, and a cleanup on exit that ends the program ($apid), the
# window manager and the display and removes the work folder. Sets DISPLAY, work, xpid and wmpid,
# and run_root: where the program's runtime folders go (XDG_RUNTIME_DIR). A desktop keeps that
# folder in memory (/run/user/UID is a tmpfs), so it goes to /dev/shm where that is a tmpfs: the
# instance lock in it then costs what it costs on a desktop, not a write to disk.
# Usage: start_virtual_display FIRST_DISPLAY_NUMBER TOOL...
start_virtual_display() {
  local first=$1
  shift
  for t in Xvfb openbox xdpyinfo xprop "$@"; do
    command -v "$t" >/dev/null || { echo "missing tool: $t" >&2; exit 2; }
  done
  work=$(mktemp -d)
  run_root=$work
  if [ "$(stat -f -c %T /dev/shm 2>/dev/null)" = tmpfs ]; then run_root=$(mktemp -d -p /dev/shm); fi
  xpid="" wmpid="" apid=""
  trap _virtual_display_cleanup EXIT
  trap 'exit 130' INT TERM
  local n=$first
  while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
  export DISPLAY=:$n
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & xpid=$!
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
  xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 1; }
  openbox >/dev/null 2>&1 & wmpid=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.05
  done
}

_virtual_display_cleanup() {
  [ -n "$apid" ] && kill "$apid" 2>/dev/null
  [ -n "$wmpid" ] && kill "$wmpid" 2>/dev/null
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
  wait 2>/dev/null
  [ -n "${run_root:-}" ] && [ "$run_root" != "$work" ] && rm -rf "$run_root"
  rm -rf "$work"
}
