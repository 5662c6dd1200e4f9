#!/bin/sh
# Photographs the game's window on a private X server at a Qt scale factor, after pressing
# the given keys (for example F2 to deal; click:X,Y clicks the table at X,Y). The game runs
# from a scratch copy of the build, so it reads no settings file and leaves none behind.
# With SHOT=dialog the picture is of the dialog the keys opened instead of the table; with
# SHOT=beside it is of the table and that window together (a box opened beside the table).
# SCREEN sets the screen's size (1600x1200 unless given), for the table on a small screen.
# Usage: packaging/screenshot.sh BUILD_DIR OUTPUT.png [SCALE] [KEY...]
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/xsession.sh"
[ $# -ge 2 ] || { echo "usage: $0 BUILD_DIR OUTPUT.png [SCALE] [KEY...]" >&2; exit 2; }
BUILD=$1
OUTPUT=$2
shift 2
SCALE=1
if [ $# -gt 0 ]; then
    SCALE=$1
    shift
fi

scratch_game "$BUILD" || exit 2
start_private_x "$SCRATCH" "${SCREEN:-1600x1200}x24" || { echo "Xvfb did not start" >&2; exit 2; }
env -u WAYLAND_DISPLAY -u QT_SCREEN_SCALE_FACTORS QT_QPA_PLATFORM=xcb \
    QT_SCALE_FACTOR="$SCALE" HOME="$SCRATCH/home" XDG_RUNTIME_DIR="$SCRATCH/runtime" XDG_CONFIG_HOME="$SCRATCH/config" \
    "$SCRATCH/game/huszonegy" >"$SCRATCH/game.log" 2>&1 &
RUNNING=$!
window=$(wait_for_window "$RUNNING" 60) || { echo "no window:" >&2; cat "$SCRATCH/game.log" >&2; exit 1; }
xdotool windowfocus --sync "$window" 2>/dev/null
for key in "$@"; do
    case $key in
    click:*)
        at=${key#click:}
        xdotool mousemove --window "$window" "${at%,*}" "${at#*,}" click 1
        ;;
    *) xdotool key --window "$window" "$key" ;;
    esac
    sleep 0.5
done
case ${SHOT:-} in
dialog | beside)
    opened=$(wait_for_window "$RUNNING" 5 "$window") || { echo "no dialog opened" >&2; exit 1; }
    ;;
esac
[ "${SHOT:-}" != dialog ] || window=$opened
# The window is mapped before its first paint has reached the server.
sleep 1
# Taken from the screen, so a message box over the table is in the picture too.
eval "$(xdotool getwindowgeometry --shell "$window")"
if [ "${SHOT:-}" = beside ]; then
    # The smallest rectangle that holds both windows.
    left=$X top=$Y right=$((X + WIDTH)) bottom=$((Y + HEIGHT))
    eval "$(xdotool getwindowgeometry --shell "$opened")"
    [ "$X" -ge "$left" ] || left=$X
    [ "$Y" -ge "$top" ] || top=$Y
    [ $((X + WIDTH)) -le "$right" ] || right=$((X + WIDTH))
    [ $((Y + HEIGHT)) -le "$bottom" ] || bottom=$((Y + HEIGHT))
    X=$left Y=$top WIDTH=$((right - left)) HEIGHT=$((bottom - top))
fi
import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$OUTPUT" || exit 1
echo "$OUTPUT: ${WIDTH}x$HEIGHT"
