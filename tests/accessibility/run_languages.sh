#!/bin/sh
# languages.py on a private X server and D-Bus session, with the locales it needs made in the
# scratch folder. Usage: run_languages.sh BUILD_DIR. Exit 77: a tool it needs is missing.
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/../../packaging/xsession.sh"
. "$HERE/tools.sh"
need_bus_tools Xvfb dbus-run-session xdotool localedef
scratch_game "$1" && mkdir "$SCRATCH/locales" || exit 2
# A language the game has no translation for, whichever ones it has by now.
for UNTRANSLATED in de fr it es pl; do
    [ -e "$HERE/../../translations/huszonegy_$UNTRANSLATED.ts" ] || break
done
export UNTRANSLATED
for locale in hu_HU en_US "${UNTRANSLATED}_$(echo "$UNTRANSLATED" | tr a-z A-Z)"; do
    localedef -i $locale -f UTF-8 "$SCRATCH/locales/$locale.UTF-8" >/dev/null 2>&1
    [ -d "$SCRATCH/locales/$locale.UTF-8" ] || { echo "skipped: no locale $locale"; exit 77; }
done
start_private_x "$SCRATCH" 1024x768x24 || { echo "Xvfb did not start" >&2; exit 2; }
env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LOCPATH="$SCRATCH/locales" \
    HOME="$SCRATCH/home" XDG_RUNTIME_DIR="$SCRATCH/runtime" XDG_CONFIG_HOME="$SCRATCH/config" \
    dbus-run-session -- /usr/bin/python3 "$HERE/languages.py" "$SCRATCH/game/huszonegy"
