#!/usr/bin/env bash
# Starts the real program under a private virtual X display and checks, as a user would see it:
# the start-up, a second start while the first runs, a missing companion file and a bad help file,
# that closing the window stores the options while the failure paths store nothing, and the
# shortcuts dialog and the about box.
#   program_test.sh PROGRAM CASE      CASE: startup, missing_companion, invalid_help or side_windows
set -u
program=$(readlink -f "$1")
case_name=${2:?which case: startup, missing_companion or invalid_help}
source_dir=$(dirname "$program")
passed=0
failed=0
work=$(mktemp -d)
n=170
while [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
    kill "$wm" "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
# A window manager, so that windows get the focus as on a desktop.
HOME=$work openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
unset QT_QPA_PLATFORM

check() {  # check NAME CONDITION...
    local name=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $name"
    fi
}

# A program folder of its own: the program and the files beside it, less those named.
make_folder() {  # make_folder DIR [FILE-TO-LEAVE-OUT...]
    local dir=$1
    shift
    mkdir -p "$dir"
    cp "$program" "$dir/"
    cp "$source_dir"/libquopa_sound.so "$dir/" 2>/dev/null
    for f in Ajudquopa.hlp Helpquopa.hlp ostrelo.chm marketin.chm ostrelo.zip; do
        local skip=0
        for s in "$@"; do [ "$s" = "$f" ] && skip=1; done
        [ $skip = 0 ] && cp "$source_dir/$f" "$dir/"
    done
}

start() {  # start HOME-DIR PROGRAM-DIR: starts the program, sets $pid
    mkdir -p "$1/.run"
    chmod 700 "$1/.run"
    HOME=$1 XDG_RUNTIME_DIR=$1/.run XDG_CONFIG_HOME=$1/.config "$2/Dazivuvera" >"$1/log" 2>&1 &
    pid=$!
    pids+=("$pid")
}

# Waits for a visible window of the process whose title contains TEXT; prints its id.
window_of() {  # window_of PID TEXT [SECONDS]
    local deadline=$((SECONDS + ${3:-10}))
    while [ $SECONDS -lt "$deadline" ]; do
        for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
            if xdotool getwindowname "$w" 2>/dev/null | grep -qF -- "$2"; then
                echo "$w"
                return 0
            fi
        done
        kill -0 "$1" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

ended_within() {  # ended_within PID SECONDS
    local deadline=$((SECONDS + $2))
    while [ $SECONDS -lt "$deadline" ]; do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# Presses a key in a window as the user would: the window gets the focus, then the key goes to it.
press() {  # press WINDOW KEY
    xdotool windowactivate --sync "$1" >/dev/null 2>&1
    xdotool key "$2"
}

settings_file() { echo "$1/.config/Ostrelo/Tuvel Quopa.ini"; }

# --- Start-up, a second instance, and the options stored on closing -----------------------------
case_startup() {
make_folder "$work/app"
start "$work/home" "$work/app"
first=$pid
main=$(window_of "$first" " Ostrelo Tuvel Quopa" 15)
check "the main window shows" [ -n "$main" ]
check "nothing is stored while the game runs" [ ! -e "$(settings_file "$work/home")" ]

start "$work/home" "$work/app"
second=$pid
warning=$(window_of "$second" " Warning" 10)
check "a second start shows the warning" [ -n "$warning" ]
press "$warning" Return
check "the second start ends after its message" ended_within "$second" 5
check "the first one runs on" kill -0 "$first"

[ -n "$main" ] && press "$main" ctrl+x
check "Exit closes the program" ended_within "$first" 5
file=$(settings_file "$work/home")
check "closing stores the options" grep -q "Chances=3" "$file"
check "closing stores the dice style" grep -q "Dice1=13" "$file"
check "closing stores the language" grep -q "Language=1" "$file"
}

# --- A missing companion file ends the program after its message, storing nothing ---------------
case_missing_companion() {
make_folder "$work/nochm" ostrelo.chm marketin.chm
start "$work/home2" "$work/nochm"
box=$(window_of "$pid" "File was not found in" 10)
check "a missing ostrelo.chm shows its message" [ -n "$box" ]
[ -n "$box" ] && press "$box" Return
check "the program ends after the message" ended_within "$pid" 5
check "nothing is stored on a missing file" [ ! -e "$(settings_file "$work/home2")" ]
}

# --- A help file that does not begin with "?_" ---------------------------------------------------
case_invalid_help() {
make_folder "$work/badhelp"
printf 'x_ not a help file\n' >"$work/badhelp/Helpquopa.hlp"
start "$work/home3" "$work/badhelp"
box=$(window_of "$pid" "Missing or Corrupted file" 10)
check "an invalid help file shows its message" [ -n "$box" ]
[ -n "$box" ] && press "$box" Return
check "the program ends after the message" ended_within "$pid" 5
check "nothing is stored on an invalid help file" [ ! -e "$(settings_file "$work/home3")" ]
}

# --- The shortcuts dialog makes launchers whose command starts the program; the about box ------
# --- ticks only while it is open -----------------------------------------------------------------
cpu_ticks() {  # cpu_ticks PID: the user and system clock ticks the process has used so far
    awk '{print $14 + $15}' "/proc/$1/stat"
}

case_side_windows() {
make_folder "$work/app"
cp "$source_dir/dazivuvera.png" "$work/app/"
start "$work/home" "$work/app"
first=$pid
main=$(window_of "$first" " Ostrelo Tuvel Quopa" 15)
check "the main window shows" [ -n "$main" ]
[ -n "$main" ] && press "$main" alt+e && xdotool key s
dialog=$(window_of "$first" "Shortcuts" 10)
check "Settings > Shortcuts opens the dialog" [ -n "$dialog" ]
[ -n "$dialog" ] && press "$dialog" Return
made=$(window_of "$first" "Shortcuts made" 10)
check "OK says where the shortcuts went" [ -n "$made" ]
[ -n "$made" ] && press "$made" Return
for launcher in "$work/home/Desktop/dazivuvera.desktop" \
                "$work/home/.local/share/applications/dazivuvera.desktop"; do
    check "a launcher at $launcher" [ -f "$launcher" ]
    if command -v desktop-file-validate >/dev/null; then
        check "$launcher is valid" desktop-file-validate "$launcher"
    fi
done
check "the Desktop launcher may be run" [ -x "$work/home/Desktop/dazivuvera.desktop" ]
command=$(sed -n 's/^Exec=//p' "$work/home/Desktop/dazivuvera.desktop")
icon=$(sed -n 's/^Icon=//p' "$work/home/Desktop/dazivuvera.desktop")
check "the launcher names the program" [ "$command" = "$work/app/Dazivuvera" ]
check "the launcher names the icon" [ -f "$icon" ]

[ -n "$main" ] && press "$main" alt+i && xdotool key a
about=$(window_of "$first" "About Tuvel Quopa" 10)
check "Information > About Program opens the about box" [ -n "$about" ]
sleep 1
before=$(cpu_ticks "$first")
sleep 3
open_ticks=$(($(cpu_ticks "$first") - before))
[ -n "$about" ] && press "$about" Escape
sleep 1
before=$(cpu_ticks "$first")
sleep 3
closed_ticks=$(($(cpu_ticks "$first") - before))
echo "CPU ticks in 3 s: about box open $open_ticks, closed $closed_ticks"
check "closed, the program is idle" [ "$closed_ticks" -le 1 ]

[ -n "$main" ] && press "$main" ctrl+x
check "Exit closes the program" ended_within "$first" 5
# The launcher's command, run as a desktop would, starts the program again.
HOME=$work/home XDG_RUNTIME_DIR=$work/home/.run XDG_CONFIG_HOME=$work/home/.config $command \
    >"$work/home/log2" 2>&1 &
pid=$!
pids+=("$pid")
check "the launcher's command starts the program" [ -n "$(window_of "$pid" " Ostrelo Tuvel Quopa" 15)" ]
}

"case_$case_name"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
