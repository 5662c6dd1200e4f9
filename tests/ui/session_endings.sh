#!/bin/sh
# Every way a run of the game can end keeps every settled deal, measured on the real program
# under a private X server: the display lost (the server killed between deals and with the
# winner's box up, the table's client killed by the server), the desktop session ending under
# a real session manager with the box up, the ending signals and kill -9 with the box up, a
# file-size limit, and a second start on the same results file.
# Usage: session_endings.sh BUILD_DIR
# Exit 77 when Xvfb or xdotool is missing; without xsm or openbox their cases are skipped.
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/../../packaging/xsession.sh"
[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
BUILD=$1
need_game "$BUILD" Xvfb xdotool xwininfo

STAKE=50
FAILURES=0
DEALS=0
scratch_game "$BUILD" || exit 2
GAME="$SCRATCH/game"
RESULTS="$GAME/tavrik.ini"
LOG="$SCRATCH/game.log"

fail() {
    echo "FAIL: $*" >&2
    FAILURES=$((FAILURES + 1))
}

new_display() {
    stop_private_x
    start_private_x "$SCRATCH" 1024x768x24 || { echo "Xvfb did not start" >&2; exit 2; }
}

# launch [COMMAND...]: starts the game (through COMMAND, when given) with a fresh results file.
launch() {
    rm -f "$RESULTS"
    DEALS=0
    launch_game "$@"
}

# press KEY...: the keys, to the table.
press() { xdotool windowfocus "$TABLE" 2>/dev/null; xdotool key --clearmodifiers "$@"; }

# close_box WINDOW: Enter on the box, then waits until it has gone.
close_box() {
    xdotool windowfocus "$1" 2>/dev/null
    xdotool key --clearmodifiers Return
    _tries=0
    while xdotool search --onlyvisible --pid "$RUNNING" 2>/dev/null | grep -q -x "$1"; do
        _tries=$((_tries + 1))
        [ "$_tries" -le 100 ] || { fail "a box did not close"; return 1; }
        sleep 0.1
    done
}

# deal [open]: one whole deal, new deal and stand, settled; its winner's box is closed
# unless "open" is given.
deal() {
    press F2 F4
    BOX=$(wait_for_window "$RUNNING" 20 "$TABLE") || { fail "no winner's box"; return 1; }
    DEALS=$((DEALS + 1))
    [ "${1:-}" = open ] || close_box "$BOX"
}

# ended WHAT SECONDS: waits for the game to end.
ended() {
    wait_for_end "$RUNNING" "$2" || { fail "$1: the game did not end"; kill -KILL "$RUNNING"; }
    wait "$RUNNING" 2>/dev/null
    RUNNING=
}

value() { sed -n "s/^$1=\(-*[0-9]*\).*/\1/p" "$RESULTS" | head -n 1; }

# expect_deals WHAT: the results file holds the DEALS settled deals, whole: the games won add
# up to them, and each seat's money is what its wins and losses make of 1000.
expect_deals() {
    [ -f "$RESULTS" ] || { fail "$1: no results file"; return; }
    _wins=0 _line=""
    for _seat in 1 2 3; do
        _money=$(value "Money$_seat")
        _won=$(value "Win$_seat")
        _wins=$((_wins + ${_won:-0}))
        _line="$_line seat $_seat: money $_money, won $_won;"
        [ "${_money:-x}" = $((1000 + STAKE * (3 * ${_won:-0} - DEALS))) ] ||
            fail "$1: seat $_seat's money $_money does not match $_won wins of $DEALS deals"
    done
    [ "$_wins" -eq "$DEALS" ] || fail "$1: $_wins wins kept of $DEALS deals"
    echo "$1: $DEALS deals,$_line"
}

# The display goes away: the X server ends between deals, then with the winner's box up.
for box in closed open; do
    new_display
    launch
    deal && deal && deal
    [ "$box" = closed ] || deal open
    kill -KILL "$XVFB_PID"
    XVFB_PID=
    ended "server killed, box $box" 20
    expect_deals "X server killed, box $box"
done

# The X server drops the table's client, as `xkill` does.
new_display
launch
deal && deal
xdotool windowkill "$TABLE"
ended "client killed" 20
expect_deals "client killed by the X server"

# Signals, and kill -9, with the winner's box up.
for signal in TERM HUP INT KILL; do
    launch
    deal && deal open
    kill -"$signal" "$RUNNING"
    ended "SIG$signal" 20
    expect_deals "SIG$signal with the box up"
done

# A file-size limit: the save fails and says so; the game is not killed.
printf '[Results]\r\nMoney1=777\r\n' >"$SCRATCH/old.ini"
launch sh -c 'cp "$0" "$1"; ulimit -f 0; exec "$2"' "$SCRATCH/old.ini" "$RESULTS"
press F2 F4
if ERROR_BOX=$(wait_for_window "$RUNNING" 20 "$TABLE"); then
    [ "$(xdotool getwindowname "$ERROR_BOX")" = "21 - A kártyajáték" ] ||
        fail "file-size limit: the first box is not the error box"
    close_box "$ERROR_BOX"
    BOX=$(wait_for_window "$RUNNING" 20 "$TABLE") && close_box "$BOX"
else
    fail "file-size limit: no box at all"
fi
process_alive "$RUNNING" || fail "file-size limit: the game was killed"
cmp -s "$SCRATCH/old.ini" "$RESULTS" || fail "file-size limit: the old results changed"
kill -KILL "$RUNNING" 2>/dev/null
ended "file-size limit" 10
echo "file-size limit: the save failed openly, the game went on, the old file stayed"

# A second start on the same results brings the running table forward and leaves.
if command -v openbox >/dev/null 2>&1; then
    HOME="$SCRATCH/home" openbox --sm-disable >"$SCRATCH/openbox.log" 2>&1 &
    WM_PID=$!
    sleep 1
    launch
    deal
    press Escape # to the taskbar
    sleep 1
    xwininfo -id "$TABLE" | grep -q IsViewable && fail "second start: Esc did not minimise"
    (game_env timeout 30 "$GAME/huszonegy") >>"$LOG" 2>&1
    status=$?
    [ "$status" -eq 0 ] || fail "second start: ended with status $status"
    _tries=0
    until xwininfo -id "$TABLE" | grep -q IsViewable; do
        _tries=$((_tries + 1))
        [ "$_tries" -le 50 ] || { fail "second start: the running table did not come forward"; break; }
        sleep 0.1
    done
    deal
    kill -TERM "$RUNNING"
    ended "second start" 20
    expect_deals "second start on the same results"
    kill "$WM_PID" 2>/dev/null
else
    echo "second start: skipped, no openbox"
fi

# The desktop session ends under a real session manager while the winner's box is up.
if command -v xsm >/dev/null 2>&1; then
    rm -f "$RESULTS" "$SCRATCH/game.pid"
    cat >"$SCRATCH/start-game" <<EOF
#!/bin/sh
echo \$\$ >"$SCRATCH/game.pid"
exec env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb HOME="$SCRATCH/home" \
    XDG_RUNTIME_DIR="$SCRATCH/runtime" XDG_CONFIG_HOME="$SCRATCH/config" "$GAME/huszonegy"
EOF
    chmod +x "$SCRATCH/start-game"
    echo "$SCRATCH/start-game" >"$SCRATCH/home/.xsmstartup"
    # The game finds the session manager's ICE authority by the same HOME and runtime folder.
    HOME="$SCRATCH/home" XDG_RUNTIME_DIR="$SCRATCH/runtime" xsm >"$SCRATCH/xsm.log" 2>&1 &
    XSM_PID=$!
    _tries=0
    until [ -s "$SCRATCH/game.pid" ]; do
        _tries=$((_tries + 1))
        [ "$_tries" -le 300 ] || { fail "xsm did not start the game"; cat "$SCRATCH/xsm.log" >&2; break; }
        sleep 0.1
    done
    if [ -s "$SCRATCH/game.pid" ]; then
        RUNNING=$(cat "$SCRATCH/game.pid")
        DEALS=0
        TABLE=$(wait_for_window "$RUNNING" 60) || fail "xsm: the table did not open"
        deal && deal && deal && deal open
        kill -TERM "$XSM_PID"
        wait_for_end "$RUNNING" 20 || fail "xsm: the session's end did not end the game"
        kill -KILL "$RUNNING" 2>/dev/null
        RUNNING=
        expect_deals "session manager's shutdown with the box up"
    fi
    kill -KILL "$XSM_PID" 2>/dev/null
else
    echo "session manager: skipped, no xsm"
fi

[ "$FAILURES" -eq 0 ] || { echo "$FAILURES failures" >&2; exit 1; }
echo "every ending kept every settled deal"
