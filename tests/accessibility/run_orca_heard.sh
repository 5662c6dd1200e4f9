#!/bin/sh
# Plays the game with Orca on a private X server and D-Bus session, and checks what Orca
# speaks (orca_heard.py). Usage: run_orca_heard.sh BUILD_DIR. Exit 77: a tool is missing.
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/../../packaging/xsession.sh"
. "$HERE/tools.sh"
[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }

need_bus_tools Xvfb dbus-run-session xdotool openbox orca speech-dispatcher

scratch_game "$1" || exit 2
start_private_x "$SCRATCH" 1024x768x24 || { echo "Xvfb did not start" >&2; exit 2; }
# Orca and speech-dispatcher start from their defaults in the empty home; the speech goes
# nowhere, and Orca's log records it all the same.
env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    HOME="$SCRATCH/home" XDG_RUNTIME_DIR="$SCRATCH/runtime" XDG_CONFIG_HOME="$SCRATCH/config" \
    XDG_DATA_HOME="$SCRATCH/home/.local/share" XDG_CACHE_HOME="$SCRATCH/home/.cache" \
    dbus-run-session -- /usr/bin/python3 "$HERE/orca_heard.py" "$SCRATCH/orca.log" \
    "$SCRATCH/game/huszonegy" >"$SCRATCH/report" 2>"$SCRATCH/session.log"
status=$?
# Through files: a helper the session leaves behind for a moment holds no pipe of the caller.
cat "$SCRATCH/report"
[ "$status" -eq 0 ] || tail -n 20 "$SCRATCH/session.log"
exit "$status"
