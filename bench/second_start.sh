#!/bin/sh
# Second-start benchmark (not a test): on a private X server under openbox, with the table
# behind another window, a second start of the game is timed from its exec to the table being
# the active window. Prints the median and the spread of ROUNDS starts, with the table on a
# private session bus and, for the fallback, with none.
# Usage: bench/second_start.sh [BUILD_DIR] [ROUNDS]   (defaults: build, 20)
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd) || exit 2
ROUNDS=${2:-20}
. "$ROOT/packaging/xsession.sh"
need_game "$BUILD" Xvfb openbox xdotool xmessage xprop dbus-daemon python3
[ -x "$BUILD/server_time" ] || { echo "missing $BUILD/server_time: build its target" >&2; exit 2; }
scratch_game "$BUILD" || exit 2
start_private_x "$SCRATCH" 1024x768x24 || { echo "Xvfb did not start" >&2; exit 2; }
start_openbox
xmessage -geometry +600+0 "another program" &
OTHER=$(sleep 1 && xdotool search --sync --onlyvisible --class xmessage | head -n 1)

# rounds BUS: prints one time in milliseconds per round.
rounds() {
    launch_game env ${1:+DBUS_SESSION_BUS_ADDRESS=$1}
    for _ in $(seq "$ROUNDS"); do
        xdotool windowactivate --sync "$OTHER" 2>/dev/null
        sleep 0.3
        id="bench_TIME$("$BUILD/server_time")"
        start=$(date +%s%N)
        (game_env env ${1:+DBUS_SESSION_BUS_ADDRESS=$1} DESKTOP_STARTUP_ID="$id" \
            "$SCRATCH/game/huszonegy") >>"$SCRATCH/game.log" 2>&1 &
        until [ "$(xdotool getactivewindow 2>/dev/null)" = "$TABLE" ]; do sleep 0.002; done
        echo $((($(date +%s%N) - start) / 1000000))
        wait $!
    done
    end_process "$RUNNING" 20
    RUNNING=
}

summary() { sort -n | awk '{ t[NR] = $1 } END { printf "median %d ms (min %d, max %d)\n", t[int((NR + 1) / 2)], t[1], t[NR] }'; }

dbus-daemon --session --nofork --address="unix:path=$SCRATCH/bus" >/dev/null 2>&1 &
BUS_PID=$!
sleep 0.5
printf 'session bus: '
rounds "unix:path=$SCRATCH/bus" | summary
kill "$BUS_PID"
printf 'no bus:      '
rounds "" | summary
