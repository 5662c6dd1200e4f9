#!/bin/sh
# Installs the build into a scratch prefix with cmake --install and checks the installed tree.
# Then plays it three ways: installed (results in the player's own folder, nothing written
# under the prefix), as a portable copy moved to a path with blanks and capitals (results
# beside itself), and as a portable copy in a folder the player cannot write (results in the
# player's own folder, the copy untouched).
# Usage: install_tree.sh BUILD_DIR
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/common.sh"
BUILD=$1

prefix=$SCRATCH/prefix
cmake --install "$BUILD" --prefix "$prefix" >"$SCRATCH/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$SCRATCH/install.log")"
check_tree "$prefix" "$(readlink -f "$prefix/lib/huszonegy")"

if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$prefix/share/applications/huszonegy.desktop" ||
        problem "the installed desktop entry is not valid"
fi
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$APP_ID.metainfo.xml" ||
        problem "the installed metainfo is not valid"
fi
# A catalogue made of the tree: the languages from the installed translations, the release's
# notes, the screenshots.
if [ -x /usr/libexec/appstreamcli-compose ]; then
    appstreamcli compose --no-net --origin=c --prefix=/ --result-root="$SCRATCH/c" "$prefix" >/dev/null
    for expected in 'percentage="100">hu<' 'percentage="100">en<' '<li>' '<screenshot type="default">'; do
        zcat "$SCRATCH/c/share/swcatalog/xml/c.xml.gz" | grep -q -F "$expected" || problem "no $expected in the catalogue"
    done
fi
[ "$PROBLEMS" -eq 0 ] || fail "$PROBLEMS problem(s) in the installed tree"

# The copies are made before any run, so none of them carries a results file along. Copied
# with the pictures the link leads to, as a player copies the program folder to carry it away.
moved="$SCRATCH/Moved Games/Huszonegy Copy"
mkdir -p "$SCRATCH/Moved Games" "$SCRATCH/Locked"
cp -R -L "$prefix/lib/huszonegy" "$moved" || fail "the program folder could not be copied"
locked=$SCRATCH/Locked/huszonegy
cp -R -L "$prefix/lib/huszonegy" "$locked" || fail "the program folder could not be copied"
need_display

before=$(snapshot "$prefix")
run_game "$prefix/games/huszonegy" "$SCRATCH/installed/config"
[ -f "$SCRATCH/installed/config/huszonegy/tavrik.ini" ] ||
    problem "the installed game kept no tavrik.ini in the per-user folder"
[ "$(snapshot "$prefix")" = "$before" ] || problem "the installed game wrote under its prefix"

run_game "$moved/huszonegy" "$SCRATCH/moved/config"
[ -f "$moved/tavrik.ini" ] || problem "the moved program kept no tavrik.ini beside itself"
[ ! -e "$SCRATCH/moved/config/huszonegy/tavrik.ini" ] ||
    problem "the moved program wrote its settings to the per-user folder though its own is writable"

# A folder the player cannot write. Root writes anywhere, so under root the unprivileged
# "nobody" plays.
if [ "$(id -u)" -eq 0 ]; then
    other_player "$SCRATCH/locked"
    player=$OTHER_PLAYER
else
    chmod a-w "$locked"
    mkdir -p "$SCRATCH/locked"
    player=
fi
before=$(snapshot "$locked")
run_game "$locked/huszonegy" "$SCRATCH/locked/config" "$player"
[ -f "$SCRATCH/locked/config/huszonegy/tavrik.ini" ] ||
    problem "the read-only copy kept no tavrik.ini in the per-user folder"
[ "$(snapshot "$locked")" = "$before" ] || problem "the read-only copy's folder changed"
finish
