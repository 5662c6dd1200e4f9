#!/bin/sh
# The table at large text sizes on a small screen, measured from outside under openbox on a
# private 1366x768 X server with a 32-pixel panel along the top: at Xft.dpi 144 and 192 the
# whole table lies on the screen's free area, a deal is played to its end by mouse clicks on
# its buttons, and the winner's box opens beside the table, on the screen.
# Usage: fit_screen.sh BUILD_DIR
# Exit 77 when Xvfb, openbox, xrdb or the X tools are missing.
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/../../packaging/xsession.sh"
[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
BUILD=$1
need_game "$BUILD" Xvfb openbox xdotool xwininfo xprop xrdb
[ -x "$BUILD/panel_window" ] || { echo "SKIP: no panel helper" >&2; exit 77; }
SCREEN_W=1366 SCREEN_H=768 PANEL=32
FAILURES=0
WM_PID=
trap '[ -z "$WM_PID" ] || kill "$WM_PID" 2>/dev/null' EXIT
scratch_game "$BUILD" || exit 2
start_private_x "$SCRATCH" "${SCREEN_W}x${SCREEN_H}x24" || { echo "Xvfb did not start" >&2; exit 2; }
start_openbox
"$BUILD/panel_window" "$SCREEN_W" "$PANEL" >"$SCRATCH/panel.log" 2>&1 &
sleep 1

fail() { echo "FAIL: $*" >&2; FAILURES=$((FAILURES + 1)); }

# click X Y: clicks the table at X,Y of its layout at its own size, wherever the zoom put it.
click() {
    xdotool mousemove --window "$TABLE" $(($1 * W / 512)) $(($2 * H / 516)) && sleep 0.3 &&
        xdotool click 1 && sleep 0.5
}

for dpi in 144 192; do
    echo "Xft.dpi: $dpi" | xrdb -merge
    rm -f "$SCRATCH/game/tavrik.ini"
    launch_game
    sleep 1
    set -- $(frame_rect "$TABLE")
    L=$1 T=$2 W=$(($3 - $1)) H=$(($4 - $2))
    echo "Xft.dpi $dpi: the table is ${W}x$H at $L,$T; the free area 0,$PANEL to $SCREEN_W,$SCREEN_H"
    [ "$L" -ge 0 ] && [ "$T" -ge "$PANEL" ] && [ $((L + W)) -le "$SCREEN_W" ] &&
        [ $((T + H)) -le "$SCREEN_H" ] || fail "at $dpi dpi the table is not wholly on the free area"
    click 422 84 # Új leosztás
    click 422 440 # Megállok
    if BOX=$(wait_for_window "$RUNNING" 10 "$TABLE"); then
        sleep 1
        set -- $(frame_rect "$BOX")
        echo "Xft.dpi $dpi: the winner's box is at $1,$2 to $3,$4"
        [ "$1" -ge $((L + W)) ] || [ "$3" -le "$L" ] || [ "$2" -ge $((T + H)) ] || [ "$4" -le "$T" ] ||
            fail "at $dpi dpi the winner's box covers the table"
        [ "$1" -ge 0 ] && [ "$2" -ge 0 ] && [ "$3" -le "$SCREEN_W" ] && [ "$4" -le "$SCREEN_H" ] ||
            fail "at $dpi dpi the winner's box is not wholly on the screen"
        xdotool windowfocus "$BOX" 2>/dev/null
        xdotool key --clearmodifiers Return
    else
        fail "at $dpi dpi the clicks played no deal to its end"
    fi
    sleep 0.5
    WINS=$((0 $(sed -n 's/^Win[123]=\([0-9]*\).*/+\1/p' "$SCRATCH/game/tavrik.ini" 2>/dev/null | tr -d '\r\n')))
    [ "$WINS" = 1 ] || fail "at $dpi dpi the deal was not settled (games won: $WINS)"
    end_process "$RUNNING" 10
    RUNNING=
done
[ "$FAILURES" -eq 0 ] || { echo "$FAILURES failures" >&2; exit 1; }
echo "the whole table fitted and played at every text size"
