#!/bin/sh
# Plays one deal of the built game on a private X server and a private D-Bus session with
# the accessibility bus, while deal_listener.py records what a screen reader is told.
# Usage: run_deal_listener.sh <huszonegy program> <Images folder>. Exit 77: tools missing.
set -eu
program=$1
images=$2
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb dbus-run-session xdotool; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "skipped: at-spi2-core is missing"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is missing"; exit 77; }

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

# A folder of its own: the program, its pictures, and a settings file nobody else reads.
mkdir -p "$work/game" "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
cp "$program" "$work/game/huszonegy"
cp -R "$images" "$work/game/Images"

# The X server picks a free display and writes its number on the descriptor.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
read -r display <"$work/display"
[ -n "$display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }

export DISPLAY=":$display"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
unset WAYLAND_DISPLAY
status=0
dbus-run-session -- /usr/bin/python3 "$here/deal_listener.py" "$work/game/huszonegy" || status=$?
exit "$status"
