#!/bin/sh
# Plays one deal of the built game on a private X server and a private D-Bus session with
# the accessibility bus, while deal_listener.py records what a screen reader is told.
# Usage: run_deal_listener.sh BUILD_DIR. Exit 77: a tool it needs is missing.
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/../../packaging/xsession.sh"
. "$HERE/tools.sh"
[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }

need_bus_tools Xvfb dbus-run-session xdotool

scratch_game "$1" || exit 2
start_private_x "$SCRATCH" 1024x768x24 || { echo "Xvfb did not start" >&2; exit 2; }
# Qt's bridge is on whatever the desktop says; the game runs from the scratch copy.
env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    HOME="$SCRATCH/home" XDG_RUNTIME_DIR="$SCRATCH/runtime" XDG_CONFIG_HOME="$SCRATCH/config" \
    dbus-run-session -- /usr/bin/python3 "$HERE/deal_listener.py" "$SCRATCH/game/huszonegy"
