#!/bin/sh
# Installs the build into a scratch prefix and checks the installed tree; then moves the
# portable program folder to a path with blanks and capitals and plays it from there:
# it must find its pictures beside itself and keep its settings there when it ends.
# Usage: install_tree.sh BUILD_DIR
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/common.sh"
BUILD=$1

prefix=$SCRATCH/prefix
cmake --install "$BUILD" --prefix "$prefix" >"$SCRATCH/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$SCRATCH/install.log")"
check_tree "$prefix"

if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$prefix/share/applications/huszonegy.desktop" ||
        problem "the installed desktop entry is not valid"
fi
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$APP_ID.metainfo.xml" ||
        problem "the installed metainfo is not valid"
fi
[ "$PROBLEMS" -eq 0 ] || fail "$PROBLEMS problem(s) in the installed tree"

moved="$SCRATCH/Moved Games/Huszonegy Copy"
mkdir -p "$SCRATCH/Moved Games"
cp -a "$prefix/lib/huszonegy" "$moved" || fail "the program folder could not be copied"
need_display
run_game "$moved/huszonegy" "$SCRATCH/config"
[ -f "$moved/tavrik.ini" ] || problem "the moved program kept no tavrik.ini beside itself"
[ ! -e "$SCRATCH/config/huszonegy/tavrik.ini" ] ||
    problem "the moved program wrote its settings to the per-user folder though its own is writable"
finish
