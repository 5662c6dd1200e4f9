#!/bin/sh
# The table natively on Wayland, under a headless weston started here: both dialogs must be
# given the table as their parent (xdg_toplevel.set_parent), and a press on the table's
# background must ask the compositor to move it (xdg_toplevel.move) where the compositor
# offers a seat to ask with. Read from the client's own protocol trace (WAYLAND_DEBUG=1).
# Usage: wayland_native.sh UI_TESTS_PROGRAM
# Exit 77 when weston or Qt's Wayland platform is missing, or weston does not start.
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/wayland_trace.sh"
[ $# -eq 1 ] || { echo "usage: $0 UI_TESTS_PROGRAM" >&2; exit 2; }
TESTS=$1
command -v weston >/dev/null 2>&1 || { echo "SKIP: no weston" >&2; exit 77; }
[ -x "$TESTS" ] || { echo "SKIP: no built widget tests" >&2; exit 77; }

SCRATCH=$(mktemp -d) || exit 2
WESTON_PID=
trap '[ -z "$WESTON_PID" ] || kill "$WESTON_PID" 2>/dev/null; rm -rf "$SCRATCH"' EXIT
trap 'exit 130' INT TERM HUP
# The compositor's socket folder must be private to its user.
mkdir -m 700 "$SCRATCH/runtime"
SOCKET=huszonegy-test
XDG_RUNTIME_DIR="$SCRATCH/runtime" weston --backend=headless-backend.so --socket="$SOCKET" \
    --idle-time=0 >"$SCRATCH/weston.log" 2>&1 &
WESTON_PID=$!
_tries=0
until [ -S "$SCRATCH/runtime/$SOCKET" ]; do
    _tries=$((_tries + 1))
    if [ "$_tries" -gt 100 ] || ! kill -0 "$WESTON_PID" 2>/dev/null; then
        echo "SKIP: weston did not start" >&2
        cat "$SCRATCH/weston.log" >&2
        exit 77
    fi
    sleep 0.1
done

env -u DISPLAY XDG_RUNTIME_DIR="$SCRATCH/runtime" WAYLAND_DISPLAY="$SOCKET" \
    QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
    "$TESTS" --gtest_filter='MainWindowTest.TheDialogsAreOwnedByTheTable:MainWindowTest.DraggingTheBackgroundMovesTheWindow' \
    >"$SCRATCH/trace.log" 2>&1
STATUS=$?
if grep -q 'Could not load the Qt platform plugin "wayland"\|could not connect to display' \
    "$SCRATCH/trace.log"; then
    echo "SKIP: Qt's Wayland platform (qt6-wayland) is not installed" >&2
    exit 77
fi
grep -E '^\[ *[0-9]|PASSED|FAILED|Failure' "$SCRATCH/trace.log" >/dev/null || {
    cat "$SCRATCH/trace.log" >&2
    exit 1
}
FAILURES=0
[ "$STATUS" -eq 0 ] || {
    grep -E 'FAILED|Failure' "$SCRATCH/trace.log" >&2
    FAILURES=$((FAILURES + 1))
}

PARENTED=$(dialogs_given_the_table "$SCRATCH/trace.log")
echo "dialogs given the table as parent: $PARENTED"
[ "$PARENTED" -ge 2 ] || { echo "FAIL: both dialogs need the table as parent" >&2; FAILURES=$((FAILURES + 1)); }

MOVES=$(moves_asked "$SCRATCH/trace.log")
if grep -q 'wl_registry@[0-9]*\.global([0-9]*, "wl_seat"' "$SCRATCH/trace.log"; then
    echo "compositor moves asked for: $MOVES"
    [ "$MOVES" -ge 1 ] || { echo "FAIL: a press on the table asked no move" >&2; FAILURES=$((FAILURES + 1)); }
else
    # Qt asks for a move with the seat and serial of the press; a compositor with no seat
    # gives it neither. The move is checked under sway instead (wayland_sway.sh).
    echo "NOTE: the headless compositor offers no seat; the move request is checked under sway"
fi
[ "$FAILURES" -eq 0 ] || exit 1
echo "native Wayland: the dialogs belong to the table"
