#!/usr/bin/env bash
# Starts the real program under a private virtual X display and checks, as a user would see it:
# the start-up, a second start while the first runs, a missing companion file and a bad help file,
# that closing the window stores the options while the failure paths store nothing, the
# shortcuts dialog and the about box, and the game's keys after each menu and side window.
#   program_test.sh PROGRAM CASE
#   CASE: startup, missing_companion, invalid_help, side_windows or keys_after_menus
set -u
program=$(readlink -f "$1")
case_name=${2:?which case: see above}
source_dir=$(dirname "$program")
passed=0
failed=0
work=$(mktemp -d)
# Xvfb picks a free display itself and writes its number once it accepts clients, so that runs
# side by side never race for one display.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
wm=""
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
    kill $wm "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Polls until COMMAND succeeds; fails after SECONDS. The deadline only bounds a failure: a busy
# machine makes the wait longer, never the result different.
wait_for() {  # wait_for SECONDS COMMAND...
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

display_up() { [ -n "$(head -n 1 "$work/display")" ]; }
window_manager_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
wait_for 60 display_up || { echo "FAILED: Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display")
# A window manager, so that windows get the focus as on a desktop.
HOME=$work openbox >/dev/null 2>&1 &
wm=$!
wait_for 60 window_manager_up || { echo "FAILED: openbox did not start"; exit 1; }
unset QT_QPA_PLATFORM

check() {  # check NAME CONDITION...
    local name=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $name"
        return 1
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

# The windows of the process that are mapped: its windows, and a menu while one is open.
mapped_windows() { xdotool search --onlyvisible --pid "$1" 2>/dev/null | wc -l; }
windows_mapped() { [ "$(mapped_windows "$1")" -eq "$2" ]; }  # windows_mapped PID COUNT

# Opens a menu of the main window with its access key and waits until the menu is mapped, so that
# the item's key goes to the open menu.
open_menu() {  # open_menu PID WINDOW KEY
    local before
    before=$(mapped_windows "$1")
    press "$2" "$3"
    wait_for 30 windows_mapped "$1" $((before + 1))
}

# --- Start-up, a second instance, and the options stored on closing -----------------------------
case_startup() {
make_folder "$work/app"
start "$work/home" "$work/app"
first=$pid
main=$(window_of "$first" " Ostrelo Tuvel Quopa" 60)
check "the main window shows" [ -n "$main" ]
check "nothing is stored while the game runs" [ ! -e "$(settings_file "$work/home")" ]

start "$work/home" "$work/app"
second=$pid
warning=$(window_of "$second" " Warning" 60)
check "a second start shows the warning" [ -n "$warning" ]
press "$warning" Return
check "the second start ends after its message" ended_within "$second" 60
check "the first one runs on" kill -0 "$first"

[ -n "$main" ] && press "$main" ctrl+x
check "Exit closes the program" ended_within "$first" 60
file=$(settings_file "$work/home")
check "closing stores the options" grep -q "Chances=3" "$file"
check "closing stores the dice style" grep -q "Dice1=13" "$file"
check "closing stores the language" grep -q "Language=1" "$file"
}

# --- A missing companion file ends the program after its message, storing nothing ---------------
case_missing_companion() {
make_folder "$work/nochm" ostrelo.chm marketin.chm
start "$work/home2" "$work/nochm"
box=$(window_of "$pid" "File was not found in" 60)
check "a missing ostrelo.chm shows its message" [ -n "$box" ]
[ -n "$box" ] && press "$box" Return
check "the program ends after the message" ended_within "$pid" 60
check "nothing is stored on a missing file" [ ! -e "$(settings_file "$work/home2")" ]
}

# --- A help file that does not begin with "?_" ---------------------------------------------------
case_invalid_help() {
make_folder "$work/badhelp"
printf 'x_ not a help file\n' >"$work/badhelp/Helpquopa.hlp"
start "$work/home3" "$work/badhelp"
box=$(window_of "$pid" "Missing or Corrupted file" 60)
check "an invalid help file shows its message" [ -n "$box" ]
[ -n "$box" ] && press "$box" Return
check "the program ends after the message" ended_within "$pid" 60
check "nothing is stored on an invalid help file" [ ! -e "$(settings_file "$work/home3")" ]
}

# --- The shortcuts dialog makes launchers whose command starts the program; the about box ------
# --- ticks only while it is open -----------------------------------------------------------------
cpu_ticks() {  # cpu_ticks PID: the user and system clock ticks the process has used so far
    awk '{print $14 + $15}' "/proc/$1/stat"
}
cpu_idle() {  # cpu_idle PID: true when the process used no clock tick for half a second
    local before
    before=$(cpu_ticks "$1")
    sleep 0.5
    [ "$(cpu_ticks "$1")" -eq "$before" ]
}

case_side_windows() {
make_folder "$work/app"
cp "$source_dir/dazivuvera.png" "$work/app/"
start "$work/home" "$work/app"
first=$pid
main=$(window_of "$first" " Ostrelo Tuvel Quopa" 60)
check "the main window shows" [ -n "$main" ]
[ -n "$main" ] && open_menu "$first" "$main" alt+e && xdotool key s
dialog=$(window_of "$first" "Shortcuts" 60)
check "Settings > Shortcuts opens the dialog" [ -n "$dialog" ]
[ -n "$dialog" ] && press "$dialog" Return
made=$(window_of "$first" "Shortcuts made" 60)
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

[ -n "$main" ] && open_menu "$first" "$main" alt+i && xdotool key a
about=$(window_of "$first" "About Tuvel Quopa" 60)
check "Information > About Program opens the about box" [ -n "$about" ]
before=$(cpu_ticks "$first")
sleep 3
open_ticks=$(($(cpu_ticks "$first") - before))
[ -n "$about" ] && press "$about" Escape
check "Esc closes the about box" wait_for 30 windows_mapped "$first" 1
# Once the close has been drawn the program does nothing until the next input: over three
# seconds it uses no clock tick (one is allowed for a tick that was already under way).
wait_for 30 cpu_idle "$first"
before=$(cpu_ticks "$first")
sleep 3
closed_ticks=$(($(cpu_ticks "$first") - before))
echo "CPU ticks in 3 s: about box open $open_ticks, closed $closed_ticks"
check "closed, the program is idle" [ "$closed_ticks" -le 1 ]

[ -n "$main" ] && press "$main" ctrl+x
check "Exit closes the program" ended_within "$first" 60
# The launcher's command, run as a desktop would, starts the program again.
HOME=$work/home XDG_RUNTIME_DIR=$work/home/.run XDG_CONFIG_HOME=$work/home/.config $command \
    >"$work/home/log2" 2>&1 &
pid=$!
pids+=("$pid")
check "the launcher's command starts the program" \
    [ -n "$(window_of "$pid" " Ostrelo Tuvel Quopa" 60)" ]
}

# --- After any menu or window used by the keys, at any moment of a turn, the game's keys work ---
# A capture of a region of the main window, as a checksum: WxH+X+Y in the window's pixels.
region() { import -window "$main" -crop "$1" +repage rgb:- 2>/dev/null | md5sum | cut -c1-32; }
region_is() { [ "$(region "$1")" = "$2" ]; }       # region_is GEOMETRY CHECKSUM
region_is_not() { [ "$(region "$1")" != "$2" ]; }  # region_is_not GEOMETRY CHECKSUM

# Presses a key in the main window and waits until REGION no longer looks as it did: the key took
# effect. The roll has no animation in this case, so what a key does is drawn at once, whole.
key_changes() {  # key_changes KEY REGION
    local before
    before=$(region "$2")
    press "$main" "$1"
    wait_for 30 region_is_not "$2" "$before"
}

# Whether a window of the program other than the main window and its menus (override-redirect
# windows) is mapped.
side_window_open() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        [ "$w" = "$main" ] && continue
        xwininfo -id "$w" 2>/dev/null | grep -q "Override Redirect State: no" && return 0
    done
    return 1
}
side_window_closed() { ! side_window_open && windows_mapped "$pid" 1; }
main_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$main" ]; }
# Whether the active window is a window of the program other than the main window: a key sent now
# reaches the side window, and its closing key cannot close the main window instead.
side_window_active() {
    local w
    w=$(xdotool getactivewindow 2>/dev/null) || return 1
    [ "$w" != "$main" ] && [ "$(xdotool getwindowpid "$w" 2>/dev/null)" = "$pid" ]
}

# Opens a side window by the keys (a menu, then the keys of an item) and closes it with CLOSE-KEY,
# or, with no item keys, only opens a menu and leaves the menu bar with Esc twice. Waits until the
# main window has the keyboard again and its menu bar looks as it did before.
use_by_keys() {  # use_by_keys CLOSE-KEY MENU-KEY [ITEM-KEY...]
    local close=$1 bar
    bar=$(region "$menu_bar")
    open_menu "$pid" "$main" "$2" || return 1
    shift 2
    if [ $# -eq 0 ]; then
        xdotool key Escape
        wait_for 30 windows_mapped "$pid" 1 || return 1
        xdotool key Escape
    else
        for k in "$@"; do xdotool key "$k"; done
        wait_for 30 side_window_open && wait_for 30 side_window_active || return 1
        xdotool key "$close"
        wait_for 30 side_window_closed || return 1
    fi
    wait_for 30 main_active && wait_for 30 region_is "$menu_bar" "$bar"
}

# The middle of a title of the menu bar, in the window's pixels.
title_at() {  # title_at TITLE
    case $1 in
        Game) echo 27 9 ;;
        Preferences) echo 95 9 ;;
        Settings) echo 170 9 ;;
        Information) echo 298 9 ;;
    esac
}

# Uses the menu bar as a player may, by the mouse and the keys, each step once the one before it
# has shown: "click TITLE" (its menu opens), "esc", "point TITLE" (the pointer rests on it),
# "away" (the pointer leaves the bar), "keys KEYS" (a menu opens) and "elsewhere" (a click on an
# empty part of the window).
use_bar() {  # use_bar STEP...
    local step
    for step in "$@"; do
        # shellcheck disable=SC2086
        set -- $step
        case $1 in
            click)
                # A click on the title of the open menu closes it.
                local open
                open=$(mapped_windows "$pid")
                # shellcheck disable=SC2046
                xdotool mousemove --window "$main" $(title_at "$2") click 1
                if [ "$open" -gt 1 ]; then
                    wait_for 30 windows_mapped "$pid" 1 || return 1
                else
                    wait_for 30 windows_mapped "$pid" 2 || return 1
                fi
                ;;
            esc)
                xdotool key Escape
                wait_for 30 windows_mapped "$pid" 1 || return 1
                ;;
            point)
                # shellcheck disable=SC2046
                xdotool mousemove --window "$main" $(title_at "$2")
                ;;
            away) xdotool mousemove --window "$main" 1000 800 ;;
            keys)
                xdotool key "$2"
                wait_for 30 windows_mapped "$pid" 2 || return 1
                ;;
            elsewhere)
                xdotool mousemove --window "$main" 1000 800 click 1
                wait_for 30 windows_mapped "$pid" 1 || return 1
                ;;
        esac
    done
}

case_keys_after_menus() {
make_folder "$work/app"
mkdir -p "$work/home/.config/Ostrelo"
printf '[MainForm]\nAnimation=False\n' >"$(settings_file "$work/home")"
start "$work/home" "$work/app"
main=$(window_of "$pid" " Ostrelo Tuvel Quopa" 60)
check "the main window shows" [ -n "$main" ] || return
# The main window is maximised on the 1280 x 1024 screen: the dice table is centred below the
# menu bar, the five dice in a row above the roll button; the sheet of player 1 is on the left.
menu_bar=60x18+0+1
button=70x24+552+253
dice=(16x16+550+159 16x16+592+159 16x16+633+159 16x16+675+159 16x16+717+159)
press "$main" F9  # keyboard play: the arrow keys move a cursor over the sheet, Z writes a zero
# The bare menu bar, and each side window the menus open by the keys.
# The first failure ends the case: the keys that follow would only fail after it.
# Each is the key that closes the window, then the keys that open it. Where two items of a menu
# share an access key (S in Information), the key picks the next of them and Enter opens it. The
# help viewer is closed as a window that has no Esc (by the window manager's Alt+F4).
turn=0
for opener in "Escape alt+g" "Escape alt+i a" "Escape alt+i s Return" "Escape alt+i t" \
    "Escape alt+e s" "Escape alt+e c" "Escape alt+e d" "alt+F4 alt+i h"; do
    keys=${opener#* }
    check "Enter makes the turn's first roll" key_changes Return "$button" || return
    # shellcheck disable=SC2086
    check "$keys is used and closed by the keys" use_by_keys $opener || return
    check "after $keys, Enter rolls" key_changes Return "$button" || return
    for d in 1 2 3 4 5; do
        check "after $keys, $d lifts die $d" key_changes "$d" "${dice[$((d - 1))]}" || return
    done
    for d in 1 2 3 4 5; do
        check "after $keys, $d puts die $d down" key_changes "$d" "${dice[$((d - 1))]}" || return
    done
    check "after $keys, Space rolls" key_changes space "$button" || return
    # shellcheck disable=SC2086
    check "$keys is used and closed by the keys" use_by_keys $opener || return
    # The cursor stays on the box marked last: Down goes to the column's next box, and Z writes a
    # zero there, which ends the turn.
    [ $turn -eq 0 ] || press "$main" Down
    check "after $keys, Down and Z write a zero" key_changes z "$button" || return
    turn=$((turn + 1))
done
# The menu bar used by the mouse and the keys and left in every way, the pointer resting on a
# title or away from the bar: the next Enter rolls, and a second Enter does not run an item of a
# menu (such as Exit). Two ways a turn: the first before the turn's first roll, then two rolls;
# the second before its last roll, then an Enter with no roll left and a zero. A second Esc is a
# key of the game once the menu has closed, so ways with two come where it takes nothing back.
ways=("click Game|esc" "click Information|esc|esc"
    "click Preferences|esc|away" "click Game|click Game"
    "click Settings|elsewhere" "point Game|keys alt+g|esc"
    "keys alt+g|esc|point Preferences" "point Information|keys alt+i|esc|esc")
for i in "${!ways[@]}"; do
    IFS='|' read -r -a steps <<<"${ways[$i]}"
    way=${ways[$i]//|/, }
    check "$way is used" use_bar "${steps[@]}" || return
    if [ $((i % 2)) -eq 0 ]; then
        check "after $way, Enter makes the turn's first roll" key_changes Return "$button" || return
        check "after $way, a second Enter rolls" key_changes Return "$button" || return
    else
        check "after $way, Enter makes the turn's last roll" key_changes Return "$button" || return
        press "$main" Return
        press "$main" Down
        check "after $way and a second Enter, Z writes a zero" key_changes z "$button" || return
    fi
done
xdotool mousemove --window "$main" 1000 800
}

"case_$case_name"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
