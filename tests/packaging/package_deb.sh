#!/bin/sh
# Builds the Debian package from a finished build into a scratch folder, checks its control
# fields and documents, unpacks it into a scratch root with dpkg -x and checks the tree.
# Then plays the unpacked game as the installed one (its marker pointed at the unpacked
# folder), once as the current user and, under root, once more as "nobody": each keeps its
# own per-user results, starting from the defaults even though an earlier version left a
# results file beside the program, and nothing under the package's /usr changes.
# Usage: package_deb.sh BUILD_DIR VERSION
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/common.sh"
BUILD=$1
VERSION=$2

need_tools cpack dpkg-deb dpkg-shlibdeps dpkg-parsechangelog
make_deb "$BUILD" "$VERSION"
deb=$DEB

field() { dpkg-deb -f "$deb" "$1"; }
# names PACKAGE-LIST: the package names of a Depends-like field, one per line.
names() { echo "$1" | tr ',|' '\n\n' | sed 's/^ *//; s/[ (].*//' | grep -v '^$'; }
[ "$(field Package)" = huszonegy ] || problem "Package is $(field Package)"
[ "$(field Version)" = "$VERSION" ] || problem "Version is $(field Version)"
[ "$(field Section)" = games ] || problem "Section is $(field Section)"
[ -n "$(field Maintainer)" ] || problem "no Maintainer"
[ -n "$(field Description)" ] || problem "no Description"
depends=$(names "$(field Depends)")
recommends=$(names "$(field Recommends)")
for package in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6 fonts-comic-neue; do
    echo "$depends" | grep -qx "$package" || problem "Depends lacks $package: $(field Depends)"
done
# The game looks right and speaks Hungarian without these; they only refine it.
for package in fonts-wine qt6-translations-l10n; do
    echo "$depends" | grep -qx "$package" && problem "Depends pulls $package: $(field Depends)"
    echo "$recommends" | grep -qx "$package" ||
        problem "Recommends lacks $package: $(field Recommends)"
done

root=$SCRATCH/root
dpkg -x "$deb" "$root" || fail "dpkg -x failed"
check_tree "$root/usr" /usr/lib/huszonegy
changelog_version=$(gzip -dc "$root/usr/share/doc/huszonegy/changelog.gz" |
    dpkg-parsechangelog -l - -S Version 2>&1)
[ "$changelog_version" = "$VERSION" ] ||
    problem "the changelog's first entry is $changelog_version, not $VERSION"
changelog_date=$(gzip -dc "$root/usr/share/doc/huszonegy/changelog.gz" |
    dpkg-parsechangelog -l - -S Date 2>&1)
release_day=$(date -u -d "$changelog_date" +%F 2>/dev/null)
grep -q -F "<release version=\"$VERSION\" date=\"$release_day\"" \
    "$root/usr/share/metainfo/$APP_ID.metainfo.xml" ||
    problem "the metainfo's release $VERSION is not dated $release_day as in the changelog"
[ "$PROBLEMS" -eq 0 ] || fail "$PROBLEMS problem(s) in the package"

# The unpacked tree stands for the installed one: the marker names the folder it is in now.
app=$root/usr/lib/huszonegy
readlink -f "$app" >"$app/installed-folder"
# What an earlier version, run as root, left beside the program.
printf '[Results]\r\nMoney1=900\r\nMoney2=1100\r\nWin2=1\r\n' >"$app/tavrik.ini"
need_display

# check_fresh_results FILE: a player's own file exists and starts from the defaults.
check_fresh_results() {
    if [ ! -f "$1" ]; then
        problem "no per-user results $1"
        return
    fi
    _values=$(tr -d '\r' <"$1")
    echo "$_values" | grep -qx 'Money2=1000' && echo "$_values" | grep -qx 'Win2=0' ||
        problem "$1 does not start from the defaults: $(tr '\r\n' '  ' <"$1")"
}

before=$(snapshot "$root/usr")
run_game "$root/usr/games/huszonegy" "$SCRATCH/first/config"
check_fresh_results "$SCRATCH/first/config/huszonegy/tavrik.ini"
[ "$(snapshot "$root/usr")" = "$before" ] ||
    problem "the installed game, run as $(id -un), wrote under /usr"

if [ "$(id -u)" -eq 0 ]; then
    command -v setpriv >/dev/null 2>&1 || fail "setpriv is needed to play as an ordinary user"
    chmod 755 "$SCRATCH"
    mkdir -p "$SCRATCH/player"
    chown 65534:65534 "$SCRATCH/player"
    run_game "$root/usr/games/huszonegy" "$SCRATCH/player/config" \
        "setpriv --reuid=65534 --regid=65534 --clear-groups"
    check_fresh_results "$SCRATCH/player/config/huszonegy/tavrik.ini"
    [ "$(stat -c %u "$SCRATCH/player/config/huszonegy/tavrik.ini" 2>/dev/null)" = 65534 ] ||
        problem "the ordinary player's results do not belong to the player"
    [ "$(snapshot "$root/usr")" = "$before" ] ||
        problem "the installed game, run as an ordinary user, wrote under /usr"
else
    echo "NOTE: not root, so the run as a second user is left out"
fi
finish
