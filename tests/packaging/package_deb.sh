#!/bin/sh
# Builds the Debian package from a finished build into a scratch folder, checks its control
# fields and documents, unpacks it into a scratch root with dpkg -x and checks the tree.
# Then plays the unpacked game as the installed one (its marker pointed at the unpacked
# folder), once as the current user and, under root, once more as "nobody": each keeps its
# own per-user results, starting from the defaults even though an earlier version left a
# results file beside the program, and nothing under the package's /usr changes.
# Usage: package_deb.sh BUILD_DIR PACKAGE_VERSION
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
for package in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6 fonts-comic-neue huszonegy-data; do
    echo "$depends" | grep -qx "$package" || problem "Depends lacks $package: $(field Depends)"
done
# The game looks right and speaks Hungarian without these; they only refine it.
for package in fonts-wine qt6-translations-l10n qt6-wayland; do
    echo "$depends" | grep -qx "$package" && problem "Depends pulls $package: $(field Depends)"
    echo "$recommends" | grep -qx "$package" ||
        problem "Recommends lacks $package: $(field Recommends)"
done

root=$SCRATCH/root
dpkg -x "$deb" "$root" && dpkg -x "$DATA_DEB" "$root" || fail "dpkg -x failed"
check_tree "$root/usr" /usr/lib/huszonegy package
# The Debian changelog carries the package version; NEWS, the release's own changes, comes
# along as changelog.gz, and the metainfo dates the release as both do.
release=${VERSION%-*}
changelog_version=$(gzip -dc "$root/usr/share/doc/huszonegy/changelog.Debian.gz" |
    dpkg-parsechangelog -l - -S Version 2>&1)
[ "$changelog_version" = "$VERSION" ] ||
    problem "the Debian changelog's first entry is $changelog_version, not $VERSION"
changelog_date=$(gzip -dc "$root/usr/share/doc/huszonegy/changelog.Debian.gz" |
    dpkg-parsechangelog -l - -S Date 2>&1)
release_day=$(date -u -d "$changelog_date" +%F 2>/dev/null)
[ "$(gzip -dc "$root/usr/share/doc/huszonegy/changelog.gz" | head -n 1)" = "Huszonegy $release, $release_day" ] ||
    problem "changelog.gz does not begin with the NEWS entry of $release, $release_day"
grep -q -F "<release version=\"$release\" date=\"$release_day\"" \
    "$root/usr/share/metainfo/$APP_ID.metainfo.xml" ||
    problem "the metainfo's release $release is not dated $release_day as in the changelog"
# Modes are the package's, not the umask of whoever built it.
echo "$(field Depends)" | grep -q -F "huszonegy-data (= $VERSION)" ||
    problem "the game does not depend on its own version of the pictures: $(field Depends)"
[ "$(dpkg-deb -f "$DATA_DEB" Architecture)" = all ] || problem "the pictures' package is not Architecture: all"
[ "$(dpkg-deb -f "$DATA_DEB" Version)" = "$VERSION" ] || problem "the pictures' package is not $VERSION"
{ dpkg-deb -c "$deb"; dpkg-deb -c "$DATA_DEB"; } | awk '$1 !~ /^l/ && $1 ~ /^.....w|^........w/' >"$SCRATCH/writable"
[ ! -s "$SCRATCH/writable" ] || problem "group- or world-writable entries: $(cat "$SCRATCH/writable")"
for package in "$deb" "$DATA_DEB"; do
    ar t "$package" | grep -qx data.tar.xz || problem "$package is not xz-compressed: $(ar t "$package")"
done
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
    other_player "$SCRATCH/player"
    run_game "$root/usr/games/huszonegy" "$SCRATCH/player/config" "$OTHER_PLAYER"
    check_fresh_results "$SCRATCH/player/config/huszonegy/tavrik.ini"
    [ "$(stat -c %u "$SCRATCH/player/config/huszonegy/tavrik.ini" 2>/dev/null)" = 65534 ] ||
        problem "the ordinary player's results do not belong to the player"
    [ "$(snapshot "$root/usr")" = "$before" ] ||
        problem "the installed game, run as an ordinary user, wrote under /usr"
else
    echo "NOTE: not root, so the run as a second user is left out"
fi
finish
