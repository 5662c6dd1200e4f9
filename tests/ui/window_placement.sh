#!/bin/sh
# Where the game's secondary windows open, measured from outside on a private X server: the
# settings dialog and the about box centred on the screen, the winner's box and the reset
# question beside the table, on its screen, where the screen has room, the error box centred
# on the table. A tap on the table moves nothing, a drag (the game's own or openbox's) moves it
# by exactly the mouse's way, and the close stores where it stands. Run once without a window
# manager (the client area must be centred) and once under openbox (its frame must be centred);
# then under mutter with GNOME's attached modal dialogs, where the boxes must still stand beside
# the table.
# Usage: window_placement.sh BUILD_DIR
# Exit 77 when Xvfb, openbox or the X tools are missing.
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/../../packaging/xsession.sh"
[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
BUILD=$1
need_game "$BUILD" Xvfb openbox xdotool xwininfo xprop

# The table stands away from the screen's middle, so "centred on the table" and "centred on
# the screen" are told apart.
SCREEN_W=1280
SCREEN_H=1024
TABLE_LEFT=600
TABLE_TOP=420
TOLERANCE=2
FAILURES=0
WM_PID=
trap '[ -z "$WM_PID" ] || kill "$WM_PID" 2>/dev/null' EXIT

scratch_game "$BUILD" || exit 2
GAME="$SCRATCH/game"

# visible_windows: the ids of the game's visible windows, one a line.
visible_windows() { xdotool search --onlyvisible --pid "$RUNNING" 2>/dev/null | sort -u; }

# new_window SECONDS: the one visible window of the game that is not the table.
new_window() { wait_for_window "$RUNNING" "$1" "$TABLE"; }

# check_beside WHAT WINDOW: the window's frame overlaps none of the table and lies wholly on
# the screen.
check_beside() {
    sleep 1
    set -- "$1" $(frame_rect "$2") $(frame_rect "$TABLE")
    echo "$1: frame $2,$3 to $4,$5 beside the table $6,$7 to $8,$9"
    if [ "$2" -lt "$8" ] && [ "$6" -lt "$4" ] && [ "$3" -lt "$9" ] && [ "$7" -lt "$5" ]; then
        echo "FAIL: $1 covers part of the table" >&2
        FAILURES=$((FAILURES + 1))
    fi
    if [ "$2" -lt 0 ] || [ "$3" -lt 0 ] || [ "$4" -gt "$SCREEN_W" ] || [ "$5" -gt "$SCREEN_H" ]; then
        echo "FAIL: $1 is not wholly on the screen" >&2
        FAILURES=$((FAILURES + 1))
    fi
}

# check_centred WHAT WINDOW X2 Y2: the window's frame centre is within TOLERANCE of X2/2, Y2/2.
check_centred() {
    # The window manager may still be moving it into place.
    sleep 1
    set -- "$1" "$2" "$3" "$4" $(frame_centre "$2")
    _dx=$(($5 - $3)) _dy=$(($6 - $4))
    printf '%s: centre %s,%s (wanted %s,%s)\n' "$1" "$(half "$5")" "$(half "$6")" \
        "$(half "$3")" "$(half "$4")"
    if [ "${_dx#-}" -gt $((2 * TOLERANCE)) ] || [ "${_dy#-}" -gt $((2 * TOLERANCE)) ]; then
        echo "FAIL: $1 is off by $(half "$_dx"),$(half "$_dy")" >&2
        FAILURES=$((FAILURES + 1))
    fi
}
half() { [ $(($1 % 2)) -eq 0 ] && echo $(($1 / 2)) || echo "$(($1 / 2)).5"; }

# open_and_measure WHAT CLOSE_KEY X2 Y2 ACTION...: runs ACTION, measures the window it opens,
# and closes it with CLOSE_KEY.
open_and_measure() {
    _what=$1 _close=$2 _wx=$3 _wy=$4
    shift 4
    "$@"
    if ! _window=$(new_window 10); then
        echo "FAIL: $_what did not open" >&2
        FAILURES=$((FAILURES + 1))
        return
    fi
    if [ "$_wx" = beside ]; then
        check_beside "$_what" "$_window"
    else
        check_centred "$_what" "$_window" "$_wx" "$_wy"
    fi
    xdotool windowfocus "$_window" 2>/dev/null
    xdotool key --clearmodifiers "$_close"
    _tries=0
    while visible_windows | grep -q -x "$_window"; do
        _tries=$((_tries + 1))
        [ "$_tries" -le 50 ] || { echo "FAIL: $_what did not close" >&2; exit 1; }
        sleep 0.1
    done
}

press() { xdotool windowfocus "$TABLE" 2>/dev/null; xdotool key --clearmodifiers "$@"; }
click_table() {
    xdotool mousemove --window "$TABLE" "$1" "$2" && sleep 0.3 && xdotool click 1
}

run_session() {
    _label=$1
    rm -f "$GAME/tavrik.ini"
    cp -R "$BUILD/Images" "$GAME/" 2>/dev/null
    printf '[Screen]\r\nLeft=%s\r\nTop=%s\r\n' "$TABLE_LEFT" "$TABLE_TOP" >"$GAME/tavrik.ini"
    launch_game
    sleep 1
    set -- $(frame_centre "$TABLE")
    _tx=$1 _ty=$2
    echo "$_label: table centre $(half "$_tx"),$(half "$_ty")"
    _sx=$SCREEN_W _sy=$SCREEN_H

    open_and_measure "$_label settings dialog" Escape "$_sx" "$_sy" press alt+Return
    open_and_measure "$_label about box" Return "$_sx" "$_sy" click_table 411 19
    open_and_measure "$_label reset question" Escape beside - click_table 359 19
    open_and_measure "$_label winner box" Return beside - press F2 F4
    rm -f "$GAME/Images/h.bmp" "$GAME/Images/h@2x.bmp"
    open_and_measure "$_label error box" Return "$_tx" "$_ty" press F2

    check_drag
    end_process "$RUNNING" 10
    RUNNING=
}

# check_drag: a tap on the table's background leaves it where it was, a drag by -300,-200 under
# the window manager or the game moves it by exactly that much; the close must then store where
# it stands.
check_drag() {
    set -- $(frame_rect "$TABLE")
    _before_x=$1 _before_y=$2
    xdotool mousemove --window "$TABLE" 256 250 && sleep 0.3
    xdotool click 1 && sleep 0.3 && xdotool mousemove_relative -- -100 -80 && sleep 0.5
    set -- $(frame_rect "$TABLE")
    echo "$_label tap, then the pointer away: the table moved by $(($1 - _before_x)),$(($2 - _before_y))"
    [ "$1" -eq "$_before_x" ] && [ "$2" -eq "$_before_y" ] ||
        { echo "FAIL: a tap moved the table" >&2; FAILURES=$((FAILURES + 1)); exit 1; }
    xdotool mousemove --window "$TABLE" 256 250 && sleep 0.3
    xdotool mousedown 1 && sleep 0.3
    for _step in 1 2 3 4 5 6 7 8 9 10; do
        xdotool mousemove_relative -- -30 -20
        sleep 0.05
    done
    sleep 0.3
    xdotool mouseup 1
    sleep 1
    set -- $(frame_rect "$TABLE")
    echo "$_label drag by -300,-200: the table moved by $(($1 - _before_x)),$(($2 - _before_y))"
    if [ $(($1 - _before_x)) -ne -300 ] || [ $(($2 - _before_y)) -ne -200 ]; then
        echo "FAIL: the drag did not move the table by the mouse's way" >&2
        FAILURES=$((FAILURES + 1))
    fi
    _stood_x=$1 _stood_y=$2
    click_table 491 19
    wait_for_end "$RUNNING" 10
    _left=$(sed -n 's/^Left=\(-*[0-9]*\).*/\1/p' "$GAME/tavrik.ini")
    _top=$(sed -n 's/^Top=\(-*[0-9]*\).*/\1/p' "$GAME/tavrik.ini")
    echo "$_label close stored $_left,$_top; the table stood at $_stood_x,$_stood_y"
    if [ "$_left" != "$_stood_x" ] || [ "$_top" != "$_stood_y" ]; then
        echo "FAIL: the stored position is not where the table stood" >&2
        FAILURES=$((FAILURES + 1))
    fi
}

start_private_x "$SCRATCH" "${SCREEN_W}x${SCREEN_H}x24" || { echo "Xvfb did not start" >&2; exit 2; }
run_session "no window manager"

start_openbox
run_session "openbox"

# GNOME attaches a modal dialog to its window and centres it there; the boxes about the table
# must not cover it all the same. mutter places every dialog itself, so only these two are
# measured.
if command -v mutter >/dev/null 2>&1 && command -v dbus-run-session >/dev/null 2>&1; then
    kill "$WM_PID" 2>/dev/null
    wait "$WM_PID" 2>/dev/null
    mkdir -p "$SCRATCH/config/glib-2.0/settings"
    printf '[org/gnome/mutter]\nattach-modal-dialogs=true\n' \
        >"$SCRATCH/config/glib-2.0/settings/keyfile"
    # mutter itself is ended at the close, so that dbus-run-session ends its bus with it.
    HOME="$SCRATCH/home" XDG_CONFIG_HOME="$SCRATCH/config" GSETTINGS_BACKEND=keyfile \
        XDG_RUNTIME_DIR="$SCRATCH/runtime" dbus-run-session -- sh -c \
        'echo $$ >"$0"; exec mutter --x11 --replace --sm-disable' "$SCRATCH/mutter.pid" \
        >"$SCRATCH/mutter.log" 2>&1 &
    sleep 3
    WM_PID=$(cat "$SCRATCH/mutter.pid")
    rm -f "$GAME/tavrik.ini"
    cp -R "$BUILD/Images" "$GAME/" 2>/dev/null
    printf '[Screen]\r\nLeft=100\r\nTop=100\r\n' >"$GAME/tavrik.ini"
    launch_game
    sleep 1
    open_and_measure "mutter reset question" Escape beside - click_table 359 19
    open_and_measure "mutter winner box" Return beside - press F2 F4
    end_process "$RUNNING" 10
    RUNNING=
else
    echo "mutter: skipped, no mutter or dbus-run-session"
fi

[ "$FAILURES" -eq 0 ] || { echo "$FAILURES windows out of place" >&2; exit 1; }
echo "every window in its place (centred within $TOLERANCE px)"
