#!/bin/sh
# The program's command line without any display: --version and --help answer on standard
# output, --help in the player's language, and a start with no reachable display ends with one clear line instead of Qt's
# abort, whichever way the display is missing.
# Usage: command_line.sh PROGRAM VERSION
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/common.sh"
PROGRAM=$1
VERSION=$2
mkdir -m 700 "$SCRATCH/runtime"

# run EXPECTED_STATUS [VARIABLE=VALUE...] -- [ARGUMENT...]: runs the program without a display
# (plus the given variables) and checks its exit status; out and err hold what it printed.
run() {
    _expected=$1
    shift
    _assignments=
    while [ "$1" != -- ]; do
        _assignments="$_assignments $1"
        shift
    done
    shift
    # shellcheck disable=SC2086
    env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM \
        HOME="$SCRATCH/home" XDG_CONFIG_HOME="$SCRATCH/config" XDG_RUNTIME_DIR="$SCRATCH/runtime" \
        $_assignments timeout 60 "$PROGRAM" "$@" >"$SCRATCH/out" 2>"$SCRATCH/err" </dev/null
    _status=$?
    [ "$_status" -eq "$_expected" ] ||
        problem "'$_assignments $*' exits with $_status, not $_expected: $(cat "$SCRATCH/err")"
}

run 0 -- --version
[ "$(cat "$SCRATCH/out")" = "huszonegy $VERSION" ] ||
    problem "--version prints '$(cat "$SCRATCH/out")', not 'huszonegy $VERSION'"
[ ! -s "$SCRATCH/err" ] || problem "--version complains: $(cat "$SCRATCH/err")"

# In the player's language: Hungarian, English, and English for a language the game lacks.
for case in "hu Használat Billentyűk" "en Usage Keys" "de Usage Keys"; do
    set -- $case
    run 0 LC_ALL=C.UTF-8 LANGUAGE="$1" -- --help
    for word in "$2" "$3" F2 F3 F4 Alt+Enter Esc tavrik.ini .config/huszonegy; do
        grep -q -F -e "$word" "$SCRATCH/out" || problem "--help in $1 does not mention $word"
    done
    [ ! -s "$SCRATCH/err" ] || problem "--help in $1 complains: $(cat "$SCRATCH/err")"
done

run 0 -- --fullscreen --version
[ "$(cat "$SCRATCH/out")" = "huszonegy $VERSION" ] || problem "--version after another argument"

# An answer that cannot be written is not a success.
for option in --version --help; do
    env -u DISPLAY "$PROGRAM" "$option" >/dev/full 2>/dev/null && problem "$option to a full disk exits 0"
    env -u DISPLAY "$PROGRAM" "$option" >&- 2>/dev/null && problem "$option to a closed output exits 0"
done

# An X display number nobody serves here.
number=999
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number - 1))
done

message="huszonegy: no display: the game needs an X11 or Wayland desktop session"
for setting in "" "DISPLAY=:$number" "QT_QPA_PLATFORM=xcb" "QT_QPA_PLATFORM=xcb DISPLAY=:$number" \
    "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=nowhere" "DISPLAY=:$number WAYLAND_DISPLAY=nowhere"; do
    # shellcheck disable=SC2086
    run 1 $setting -- --fullscreen
    [ "$(cat "$SCRATCH/err")" = "$message" ] ||
        problem "with '$setting' the game says '$(cat "$SCRATCH/err")', not the no-display line"
    [ ! -s "$SCRATCH/out" ] || problem "with '$setting' the game prints: $(cat "$SCRATCH/out")"
done
[ ! -e "$SCRATCH/config" ] || problem "a start without a display made the settings folder"

finish
