#!/bin/sh
# Where the table opens under openbox on a private X server, measured from outside: the whole
# top row (title area and small buttons) on a screen's available area after the right monitor
# of two is removed, on an 800x600 screen with a place stored for a larger one, and at the
# first start on a 1024x600 screen with a 32-pixel panel along the top.
# Usage: start_place.sh BUILD_DIR
# Exit 77 when Xvfb, openbox, xrandr or the X tools are missing.
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/../../packaging/xsession.sh"
[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
BUILD=$1
need_game "$BUILD" Xvfb openbox xdotool xwininfo xprop xrandr
[ -x "$BUILD/panel_window" ] || { echo "SKIP: no panel helper" >&2; exit 77; }
FAILURES=0
WM_PID=
PANEL_PID=
trap '[ -z "$WM_PID" ] || kill "$WM_PID" 2>/dev/null; [ -z "$PANEL_PID" ] || kill "$PANEL_PID" 2>/dev/null' EXIT
scratch_game "$BUILD" || exit 2
GAME="$SCRATCH/game"

# run_game WHAT LEFT TOP AREA_L AREA_T AREA_R AREA_B: starts the game with LEFT,TOP stored
# (none when LEFT is "-") and checks that the table's top row lies inside the area.
run_game() {
    _what=$1
    rm -f "$GAME/tavrik.ini"
    [ "$2" = - ] || printf '[Screen]\r\nLeft=%s\r\nTop=%s\r\n' "$2" "$3" >"$GAME/tavrik.ini"
    launch_game
    sleep 1
    _info=$(xwininfo -id "$TABLE")
    _x=$(echo "$_info" | sed -n 's/.*Absolute upper-left X: *\(-*[0-9]*\).*/\1/p')
    _y=$(echo "$_info" | sed -n 's/.*Absolute upper-left Y: *\(-*[0-9]*\).*/\1/p')
    echo "$_what: stored $2,$3, the table opened at $_x,$_y; the top row must be inside $4,$5 to $6,$7"
    if [ "$_x" -lt "$4" ] || [ "$_y" -lt "$5" ] || [ $((_x + 512)) -gt "$6" ] ||
        [ $((_y + 30)) -gt "$7" ]; then
        echo "FAIL: $_what: the table's top row is not wholly on the screen" >&2
        FAILURES=$((FAILURES + 1))
    fi
    end_process "$RUNNING" 10
    RUNNING=
}

# Two monitors side by side on one wide screen (RandR 1.5 monitors, from which Qt makes its
# screens), the table stored on the right one, which is then removed. The left monitor takes
# over the screen's one output; given none as well, it would stand beside the output's own
# monitor, which then covers both.
start_private_x "$SCRATCH" 2560x1024x24 || { echo "Xvfb did not start" >&2; exit 2; }
xrandr --setmonitor left 1280/338x1024/270+0+0 screen >/dev/null &&
    xrandr --setmonitor right 1280/338x1024/270+1280+0 none >/dev/null ||
    { echo "FAIL: xrandr made no monitors" >&2; exit 1; }
start_openbox
if [ "$(xrandr --listmonitors | sed -n 's/^Monitors: *//p')" = 2 ]; then
    run_game "two monitors" 1900 300 1280 0 2560 1024
    xrandr --delmonitor right
    sleep 0.5
    run_game "right monitor removed" 1900 300 0 0 1280 1024
else
    echo "FAIL: the X server made no second monitor:" >&2
    xrandr --listmonitors >&2
    FAILURES=$((FAILURES + 1))
fi
kill "$WM_PID"; wait "$WM_PID" 2>/dev/null; WM_PID=
stop_private_x

start_private_x "$SCRATCH" 800x600x24 || { echo "Xvfb did not start" >&2; exit 2; }
start_openbox
run_game "800x600" 600 420 0 0 800 600
kill "$WM_PID"; wait "$WM_PID" 2>/dev/null; WM_PID=
stop_private_x

start_private_x "$SCRATCH" 1024x600x24 || { echo "Xvfb did not start" >&2; exit 2; }
start_openbox
"$BUILD/panel_window" 1024 32 >"$SCRATCH/panel.log" 2>&1 &
PANEL_PID=$!
sleep 1
run_game "1024x600 with a top panel, first start" - - 0 32 1024 600
[ "$FAILURES" -eq 0 ] || { echo "$FAILURES places out of reach" >&2; exit 1; }
echo "the table's top row was on a screen every time"
