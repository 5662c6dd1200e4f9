#!/bin/sh
# A second start on the same results, measured on the real program under a private X server:
# it asks the running table over its socket and leaves only with an answer. A program that
# merely holds the lock file, a stopped table and a table on another display each give the start
# a box and a non-zero status; a lock that is a folder, another user's file, deleted, or reached
# through a linked folder never lets a second table open; however DISPLAY names the server,
# whatever runtime folder each side sees, after a burst of connections beyond the open-file
# limit, the start is forwarded; every forwarded startup id is ended; on a session bus nothing
# done to lock files, runtime folders, networks or sandboxes lets a second table open; under
# mutter the launch's startup id makes the minimised table the active window.
# Usage: second_start.sh BUILD_DIR. Exit 77 when Xvfb or xdotool is missing.
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/../../packaging/xsession.sh"
[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
BUILD=$1
need_game "$BUILD" Xvfb xdotool xmessage xev python3
FAILURES=0
scratch_game "$BUILD" || exit 2
GAME="$SCRATCH/game"
fail() { echo "FAIL: $*" >&2; FAILURES=$((FAILURES + 1)); }
start_private_x "$SCRATCH" 1024x768x24 || { echo "Xvfb did not start" >&2; exit 2; }

# second [GAME_DIR [ENV...]]: starts the game again and prints how it ended: "0" when it left
# without a window, "box STATUS" when it said something in a box (closed with Return).
second() {
    _dir=${1:-$GAME}
    [ $# -gt 0 ] && shift
    (game_env env "$@" "$_dir/huszonegy") >>"$SCRATCH/game.log" 2>&1 &
    _pid=$!
    _box=$(wait_for_window "$_pid" 15)
    _found=$?
    if [ "$_found" -eq 0 ]; then
        _name=$(xdotool getwindowname "$_box")
        xdotool windowfocus "$_box" 2>/dev/null
        xdotool key --clearmodifiers Return
        wait_for_end "$_pid" 10 || { kill -KILL "$_pid"; echo "stuck $_name"; return; }
    fi
    wait "$_pid"
    _status=$?
    if [ "$_found" -eq 0 ]; then echo "box $_status $_name"; else echo "$_status"; fi
}

# expect_box WHAT RESULT: the start said why in a box (not a table of its own) and failed.
expect_box() {
    case $2 in
    "box 0"*) fail "$1: the start said something but ended with status 0" ;;
    *"21 - A kártyajáték") fail "$1: a second table opened" ;;
    box*) echo "$1: told in a box, status ${2#box }" ;;
    *) fail "$1: no word from the start ($2)" ;;
    esac
}

# A program of the player's that holds the lock file is not the game: it lives on.
python3 -c 'import fcntl, sys, time
f = open(sys.argv[1], "a"); fcntl.lockf(f, fcntl.LOCK_EX); open(sys.argv[2], "w").close(); time.sleep(60)' \
    "$GAME/tavrik.ini.lock" "$SCRATCH/locked" &
HOLDER=$!
until [ -e "$SCRATCH/locked" ]; do sleep 0.1; done
expect_box "a foreign lock holder" "$(second)"
process_alive "$HOLDER" || fail "a foreign lock holder: it was killed"
kill "$HOLDER"
wait "$HOLDER" 2>/dev/null

# The running table is stopped, or runs on another display: no table comes, and the start says so.
launch_game
kill -STOP "$RUNNING"
expect_box "a stopped table" "$(second)"
kill -CONT "$RUNNING"
OTHER_SCRATCH=$(mktemp -d)
TABLE_DISPLAY=$DISPLAY
TABLE_XVFB=$XVFB_PID
start_private_x "$OTHER_SCRATCH" 800x600x24 || { echo "a second Xvfb did not start" >&2; exit 2; }
expect_box "a table on another display" "$(second)"
stop_private_x
rm -rf "$OTHER_SCRATCH"
DISPLAY=$TABLE_DISPLAY XVFB_PID=$TABLE_XVFB
[ "$(second)" = 0 ] || fail "the same display: the start did not leave quietly"
# One X server however DISPLAY spells it; an id without a time; the old socket file gone.
for name in "unix:${DISPLAY#:}" "$DISPLAY.0"; do
    [ "$(second "$GAME" DISPLAY="$name")" = 0 ] || fail "DISPLAY=$name: not forwarded"
done
xev -root -event property >"$SCRATCH/xev.log" 2>&1 &
XEV=$! && sleep 0.5
[ "$(second "$GAME" DESKTOP_STARTUP_ID=no-time-in-this-id)" = 0 ] || fail "an id without a time"
sleep 1
kill "$XEV"
[ "$(grep -c _NET_STARTUP_INFO_BEGIN "$SCRATCH/xev.log")" = 1 ] || fail "no remove: without a time"
rm -f "$SCRATCH"/runtime/huszonegy/*.socket
[ "$(second)" = 0 ] || fail "the socket file deleted: not forwarded"
end_process "$RUNNING" 20
RUNNING=

# The table and the start each in a runtime folder of its own, one too long for a socket path,
# none at all beside a fallback folder another user planted: the start is forwarded.
LONG=$SCRATCH/$(head -c $((89 - ${#SCRATCH})) /dev/zero | tr '\0' r)
mkdir -m 700 "$LONG" "$SCRATCH/runtime2"
OLD=/tmp/huszonegy-$(id -u)
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
    id huszonegy-planter >/dev/null 2>&1 || useradd --system --no-create-home huszonegy-planter
    mv "$OLD" "$SCRATCH/kept" 2>/dev/null # the player's own, back at the end
    PLANTER="setpriv --reuid=huszonegy-planter --regid=huszonegy-planter --clear-groups"
    PLANTS="folder link file"
else
    echo "planted fallback folders: skipped, not root or no setpriv"
    PLANTS=
fi
for case in long other $PLANTS; do
    case $case in
    long) table="XDG_RUNTIME_DIR=$LONG" start=$table ;;
    other) table= start="XDG_RUNTIME_DIR=$SCRATCH/runtime2" ;;
    *) table="-u XDG_RUNTIME_DIR" start=$table ;;
    esac
    case $case in
    folder) $PLANTER mkdir -m 777 "$OLD" ;;
    link) $PLANTER ln -s /tmp "$OLD" ;;
    file) $PLANTER touch "$OLD" ;;
    esac
    launch_game env $table
    [ "$(second "$GAME" $start)" = 0 ] && echo "runtime folder ($case): forwarded" ||
        fail "runtime folder ($case): not forwarded"
    end_process "$RUNNING" 20
    RUNNING=
    case $case in long | other) ;; *) rm -rf "$OLD" ;; esac
done
[ -e "$SCRATCH/kept" ] && mv "$SCRATCH/kept" "$OLD"

# Another user's program on the channel's first name: the table takes the next and is found. On
# all of them: the start says who is in the way, and the table listens once they are free.
NAME=huszonegy-$(id -u)-$(ls "$SCRATCH/runtime/huszonegy" | sed -n 's/\.lock$//p' | head -n 1)
for names in ${PLANTS:+1 4}; do
    $PLANTER /usr/bin/python3 -c 'import socket, sys, time
held = [socket.socket(socket.AF_UNIX) for _ in range(int(sys.argv[2]))]
for i, s in enumerate(held): s.bind(f"\0{sys.argv[1]}.{i}"); s.listen()
time.sleep(60)' "$NAME" "$names" &
    SQUATTER=$!
    for _ in $(seq 50); do grep -q "@$NAME.$((names - 1))" /proc/net/unix && break; sleep 0.1; done
    launch_game
    result=$(second)
    case $names in 1) [ "$result" = 0 ] || fail "one name taken: not forwarded" ;;
    *) expect_box "every name taken" "$result" ;; esac
    kill "$SQUATTER"
    sleep 1
    [ "$(second)" = 0 ] && echo "names taken ($names): found" || fail "names taken ($names), then freed"
    end_process "$RUNNING" 20
    RUNNING=
done

# A burst of connections beyond the table's open-file limit: it still deals, answers a start
# and ends on SIGTERM.
launch_game sh -c 'ulimit -n 1024 && exec "$@"' sh
python3 -c 'import os, resource, socket, sys, time
resource.setrlimit(resource.RLIMIT_NOFILE, (4096, 4096))
fds = {os.readlink(f"/proc/{sys.argv[1]}/fd/{f}") for f in os.listdir(f"/proc/{sys.argv[1]}/fd")}
path = next(l.split()[-1] for l in open("/proc/net/unix") if l.split()[3] == "00010000"
            and f"socket:[{l.split()[6]}]" in fds)
address = "\0" + path[1:] if path[0] == "@" else sys.argv[2]
waiting, held, end = [socket.socket(socket.AF_UNIX) for _ in range(1100)], [], time.time() + 15
while waiting and time.time() < end:
    s = waiting.pop()
    try: s.setblocking(False); s.connect(address); held.append(s)
    except BlockingIOError: waiting.append(socket.socket(socket.AF_UNIX)); time.sleep(0.001)
    except OSError: held.append(s)
time.sleep(3)' "$RUNNING" "$SCRATCH"/runtime/huszonegy/*.socket || fail "the burst found no socket"
xdotool windowfocus "$TABLE" 2>/dev/null
xdotool key --clearmodifiers F2 F4
wait_for_window "$RUNNING" 20 "$TABLE" >/dev/null || fail "burst: no winner's box"
[ "$(second)" = 0 ] || fail "burst: the start was not forwarded"
end_process "$RUNNING" 20 && echo "burst: ended on SIGTERM" || fail "burst: no end on SIGTERM"
RUNNING=

# Locks that cannot be had, or are gone: never a second table.
mkdir -p "$SCRATCH/linked"
cp "$GAME/huszonegy" "$SCRATCH/linked/" && ln -s "$GAME/Images" "$SCRATCH/linked/Images"
ln -s "$GAME/tavrik.ini" "$SCRATCH/linked/tavrik.ini"
for case in folder foreign deleted linked; do
    rm -rf "$GAME/tavrik.ini.lock"
    case $case in
    folder) mkdir "$GAME/tavrik.ini.lock" ;;
    foreign) : >"$GAME/tavrik.ini.lock" && chown 65534 "$GAME/tavrik.ini.lock" 2>/dev/null ||
        { echo "foreign: skipped, cannot give a file away"; continue; } ;;
    esac
    launch_game
    [ "$case" = deleted ] && rm -f "$GAME/tavrik.ini.lock"
    result=$(if [ "$case" = linked ]; then second "$SCRATCH/linked"; else second; fi)
    case $result in
    0) echo "lock $case: the running table was asked" ;;
    *) expect_box "lock $case" "$result" ;;
    esac
    end_process "$RUNNING" 20
    RUNNING=
done

# On the player's session bus the table owns the results file's name: a start is forwarded
# whatever was done to the lock beside the results, whatever runtime folder, network or sandbox
# it sees, with no bus of its own (the lock's note leads to the table's); a deal played after
# each start lands in the one file. Another user's program on every abstract name stands in no
# one's way and sees none of the table's; a start whose results cannot be written says so.
# again [VARIABLE=VALUE...] [WRAPPER...]: starts the game once more through env, and prints
# "0" (it left at once), "box STATUS" (it said why; closed with Return), "table" (a second
# table, then killed) or "stuck".
again() {
    _before=$(xdotool search --onlyvisible --name . 2>/dev/null)
    (game_env env "$@" "$GAME/huszonegy") >>"$SCRATCH/game.log" 2>&1 &
    _pid=$!
    for _ in $(seq 150); do
        _new=$(xdotool search --onlyvisible --name . 2>/dev/null | grep -vxF -e "${_before:-none}" | head -n 1)
        if [ -n "$_new" ] && [ "$(xdotool getwindowname "$_new")" = "21 - A kártyajáték" ]; then
            kill -KILL "$(xdotool getwindowpid "$_new")" "$_pid" 2>/dev/null
            wait "$_pid" 2>/dev/null
            echo table
            return
        elif [ -n "$_new" ]; then
            xdotool windowfocus "$_new" 2>/dev/null
            xdotool key --clearmodifiers Return
            wait_for_end "$_pid" 10
        fi
        if ! process_alive "$_pid"; then
            wait "$_pid"
            _status=$?
            if [ -n "$_new" ]; then echo "box $_status"; else echo "$_status"; fi
            return
        fi
        sleep 0.1
    done
    kill -KILL "$_pid"
    echo stuck
}
# settled: the deals the results file holds.
settled() { tr -d '\r' <"$GAME/tavrik.ini" | awk -F= '/^Win[123]=/ { s += $2 } END { print s + 0 }'; }
# deal: plays a deal on the table and closes the winner's box.
deal() {
    xdotool windowactivate "$TABLE" 2>/dev/null || xdotool windowfocus "$TABLE" 2>/dev/null
    xdotool key --clearmodifiers F2 F4
    _box=$(wait_for_window "$RUNNING" 20 "$TABLE") || { fail "$1: no winner's box"; return; }
    xdotool windowfocus "$_box" 2>/dev/null
    xdotool key --clearmodifiers Return
    for _ in $(seq 50); do xdotool search --onlyvisible --pid "$RUNNING" 2>/dev/null | grep -qx "$_box" || break; sleep 0.1; done
}
if command -v dbus-daemon >/dev/null 2>&1 && command -v bwrap >/dev/null 2>&1 &&
    command -v unshare >/dev/null 2>&1; then
    BUS="unix:path=$SCRATCH/bus"
    dbus-daemon --session --nofork --address="$BUS" >"$SCRATCH/bus.log" 2>&1 &
    BUS_PID=$!
    for _ in $(seq 100); do [ -S "$SCRATCH/bus" ] && break; sleep 0.1; done
    rm -rf "$GAME/tavrik.ini.lock" "$GAME/tavrik.ini"
    mkdir -p -m 700 "$SCRATCH/runtime2" "$SCRATCH/runtime3"
    launch_game env DBUS_SESSION_BUS_ADDRESS="$BUS"
    deal "the first deal"
    OWN="DBUS_SESSION_BUS_ADDRESS=$BUS XDG_RUNTIME_DIR=$SCRATCH/runtime2"
    # A sandbox whose home, and so the per-user results folder, is read-only.
    BOUND="bwrap --dev-bind / / --ro-bind $SCRATCH/home $SCRATCH/home --ro-bind $SCRATCH/config $SCRATCH/config"
    for case in deleted read-only no-bus unshare bwrap-net bwrap-read-only; do
        case $case in
        deleted) rm -f "$GAME/tavrik.ini.lock" && result=$(again $OWN) ;;
        read-only) chmod 0400 "$GAME/tavrik.ini.lock" && result=$(again $OWN) ;;
        no-bus) result=$(again XDG_RUNTIME_DIR="$SCRATCH/runtime2") ;;
        unshare) result=$(again $OWN unshare -n) ;;
        bwrap-net) result=$(again $OWN bwrap --dev-bind / / --unshare-net) ;;
        bwrap-read-only) result=$(again $OWN $BOUND) ;;
        esac
        before=$(settled)
        deal "$case"
        case $result in
        0) [ "$(settled)" = $((before + 1)) ] && echo "bus, $case: forwarded, the deal kept" ||
            fail "bus, $case: forwarded, but the file holds $(settled) deals after $((before + 1))" ;;
        *) fail "bus, $case: not forwarded ($result)" ;;
        esac
        process_alive "$RUNNING" || fail "bus, $case: the table is gone"
    done
    [ -f "$GAME/tavrik.ini.lock" ] || fail "bus: the deleted lock was not taken again at a save"
    chmod 0600 "$GAME/tavrik.ini.lock"
    ID=$(ls "$SCRATCH/runtime/huszonegy" | sed -n 's/\.lock$//p' | head -n 1)
    ! grep -q "$ID" /proc/net/unix || fail "bus: the table's channel is on an abstract name"
    if [ -n "$PLANTS" ]; then
        # Another user binds and listens on every name the fallback could use, never accepting.
        $PLANTER /usr/bin/python3 -c 'import socket, sys, time
held = [socket.socket(socket.AF_UNIX) for _ in range(4)]
for i, s in enumerate(held): s.bind(f"\0{sys.argv[1]}.{i}"); s.listen()
time.sleep(60)' "huszonegy-$(id -u)-$ID" &
        SQUATTER=$!
        sleep 0.5
        [ "$(again $OWN)" = 0 ] && echo "bus: another user on every name: forwarded" ||
            fail "bus: another user on every name: not forwarded"
        kill "$SQUATTER"
    fi
    end_process "$RUNNING" 20
    RUNNING=
    # No table: a start whose results folder is read-only, and its fallback too, says so before
    # any deal.
    result=$(again $OWN $BOUND --ro-bind "$GAME" "$GAME")
    case $result in
    "box 0" | 0 | table | stuck) fail "read-only results without a table: $result" ;;
    *) echo "read-only results without a table: told in a box" ;;
    esac
    kill "$BUS_PID"
    wait "$BUS_PID" 2>/dev/null
else
    echo "bus: skipped, no dbus-daemon, bwrap or unshare"
fi

# Under mutter the running table comes forward with the launch's own time.
if command -v mutter >/dev/null 2>&1 && command -v dbus-run-session >/dev/null 2>&1 &&
    [ -x "$BUILD/server_time" ]; then
    rm -rf "$GAME/tavrik.ini.lock"
    # mutter itself is ended at the close, so that dbus-run-session ends its bus with it.
    HOME="$SCRATCH/home" XDG_RUNTIME_DIR="$SCRATCH/runtime" dbus-run-session -- sh -c \
        'echo $$ >"$0"; exec mutter --x11 --replace --sm-disable' "$SCRATCH/mutter.pid" \
        >"$SCRATCH/mutter.log" 2>&1 &
    WM=$!
    sleep 3
    launch_game
    xdotool windowfocus "$TABLE" 2>/dev/null
    xdotool key --clearmodifiers Escape # to the taskbar
    # The player works in another window meanwhile: the table's own last time is older.
    xmessage -geometry +0+0 "another program" &
    OTHER=$!
    sleep 1
    timeout 10 xdotool search --sync --onlyvisible --class xmessage windowactivate --sync \
        key space 2>/dev/null
    sleep 0.5
    result=$(second "$GAME" DESKTOP_STARTUP_ID="huszonegy-test_TIME$("$BUILD/server_time")")
    [ "$result" = 0 ] || fail "mutter: the start ended with $result"
    _tries=0
    until [ "$(xdotool getactivewindow 2>/dev/null)" = "$TABLE" ]; do
        _tries=$((_tries + 1))
        [ "$_tries" -le 50 ] || { fail "mutter: the table is not the active window"; break; }
        sleep 0.1
    done
    [ "$_tries" -le 50 ] && echo "mutter: the minimised table came forward as the active window"
    end_process "$RUNNING" 20
    RUNNING=
    kill "$(cat "$SCRATCH/mutter.pid")" "$OTHER" 2>/dev/null
    wait "$WM" 2>/dev/null
else
    echo "mutter: skipped, no mutter, dbus-run-session or server_time"
fi

[ "$FAILURES" -eq 0 ] || { echo "$FAILURES failures" >&2; exit 1; }
echo "every second start was answered or said why not"
