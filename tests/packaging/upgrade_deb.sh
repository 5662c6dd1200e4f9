#!/bin/sh
# Upgrading from the package that kept the card pictures in a real folder /usr/lib/huszonegy/
# Images (version 1.0.0.9, no maintainer scripts, no package of pictures) to this one, where
# that folder is a link to /usr/share/games/huszonegy/Images, in the pictures' own package. dpkg alone would leave the folder empty and the game
# unable to open its cards. Both packages go into a dpkg root of their own; after the upgrade
# the link and every picture are there, dpkg knows the new version, the game draws its cards
# on a private X server, and a purge leaves nothing of the game behind; so does 1.0.0.9-2, newer to dpkg.
# The earlier package is this one repacked in the earlier layout, or HUSZONEGY_OLD_DEB.
# Usage: upgrade_deb.sh BUILD_DIR PACKAGE_VERSION
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/common.sh"
BUILD=$1
VERSION=$2

need_tools cpack dpkg dpkg-deb dpkg-shlibdeps dpkg-maintscript-helper import compare
make_deb "$BUILD" "$VERSION"

old=${HUSZONEGY_OLD_DEB:-}
if [ -z "$old" ]; then
    tree=$SCRATCH/old
    dpkg-deb -R "$DEB" "$tree" && dpkg-deb -x "$DATA_DEB" "$tree" || fail "dpkg-deb -R failed"
    rm -r "$tree/usr/share/doc/huszonegy-data" "$tree/usr/share/lintian/overrides/huszonegy-data"
    sed -i '/^Depends:/s/huszonegy-data ([^)]*), //' "$tree/DEBIAN/control"
    rm -f "$tree/DEBIAN/preinst" "$tree/DEBIAN/postinst" "$tree/DEBIAN/postrm"
    rm "$tree/usr/lib/huszonegy/Images"
    mv "$tree/usr/share/games/huszonegy/Images" "$tree/usr/lib/huszonegy/Images"
    rm -r "$tree/usr/share/games"
    sed -i 's/^Version: .*/Version: 1.0.0.9/' "$tree/DEBIAN/control"
    (cd "$tree" && find usr -type f -exec md5sum {} + | sort -k 2 >DEBIAN/md5sums)
    old=$SCRATCH/huszonegy_1.0.0.9.deb
    dpkg-deb --root-owner-group -Zxz -b "$tree" "$old" >/dev/null || fail "the earlier package could not be made"
fi

root=$SCRATCH/sysroot
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers" \
    "$root/usr" && : >"$root/var/lib/dpkg/status" || fail "no dpkg root"
# dpkg_root ARGUMENTS...: dpkg on the scratch root, the scripts run without chroot (dpkg tells
# them the root), the libraries and fonts the game needs being the machine's own.
dpkg_root() {
    _as=
    [ "$(id -u)" -eq 0 ] || _as=--force-not-root
    dpkg --root="$root" --log=/dev/null --force-script-chrootless --force-depends $_as "$@" \
        >>"$SCRATCH/dpkg.log" 2>&1
}

dpkg_root -i "$old" || fail "the earlier package did not install: $(cat "$SCRATCH/dpkg.log")"
[ -d "$root/usr/lib/huszonegy/Images" ] && [ ! -L "$root/usr/lib/huszonegy/Images" ] ||
    fail "the earlier package did not leave a real Images folder"
dpkg_root -i "$DATA_DEB" "$DEB" || fail "the upgrade failed: $(cat "$SCRATCH/dpkg.log")"
[ "$(dpkg-query --root="$root" -W -f='${Version} ${db:Status-Status}' huszonegy)" = "$VERSION installed" ] ||
    problem "dpkg does not know $VERSION installed: $(dpkg-query --root="$root" -W huszonegy)"
check_tree "$root/usr" /usr/lib/huszonegy package
leftovers=$(find "$root/usr" -name '*.dpkg-*')
[ -z "$leftovers" ] || problem "the upgrade left: $leftovers"
[ "$PROBLEMS" -eq 0 ] || fail "$PROBLEMS problem(s) after the upgrade"
for package in "$DATA_DEB" "$DEB"; do
    dpkg-deb -R "$package" "$SCRATCH/r" && sed -i "s/$VERSION/1.0.0.9-2/g" "$SCRATCH/r/DEBIAN/control" &&
        dpkg-deb --root-owner-group -b "$SCRATCH/r" "$SCRATCH/${package##*/}-2" >/dev/null && rm -r "$SCRATCH/r" || fail "no 1.0.0.9-2"
done
dpkg_root -i "$SCRATCH/"*.deb-2 && dpkg_root -i "$DATA_DEB" "$DEB" || fail "replacing 1.0.0.9-2 failed: $(cat "$SCRATCH/dpkg.log")"
[ "$(dpkg-query --root="$root" -W -f='${Version}' huszonegy)" = "$VERSION" ] || problem "1.0.0.9-2 stays installed"
check_tree "$root/usr" /usr/lib/huszonegy package

# The game from the upgraded root: its marker names the folder it is in now, as installed.
app=$root/usr/lib/huszonegy
readlink -f "$app" >"$app/installed-folder"
need_display
home=$SCRATCH/player
mkdir -p "$home/home" && mkdir -m 700 "$home/runtime" || fail "no home for the player"
env -u WAYLAND_DISPLAY -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS QT_QPA_PLATFORM=xcb \
    HOME="$home/home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" \
    "$root/usr/games/huszonegy" >"$SCRATCH/game.log" 2>&1 &
GAME_PID=$!
window=$(wait_for_window "$GAME_PID" 60) || fail "the upgraded game showed no window: $(cat "$SCRATCH/game.log")"
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key F2
# The Bank's cards lie face down from (92, 12) at steps of 28, the last one whole: its middle
# must be the card back's middle, pixel for pixel, wherever the last card is. The window is
# photographed until the deal has been painted; an error box would be a second window.
convert "$root/usr/share/games/huszonegy/Images/h.bmp" -crop 56x104+10+10 +repage "$SCRATCH/back.png"
found=
tries=0
while [ -z "$found" ] && [ "$tries" -lt 60 ]; do
    tries=$((tries + 1))
    sleep 0.5
    dialog=$(xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null | grep -v -x "$window" | head -n 1)
    if [ -n "$dialog" ]; then
        problem "the upgraded game opened a box instead of dealing: $(xdotool getwindowname "$dialog")"
        break
    fi
    import -window "$window" "$SCRATCH/deal.png" || continue
    for x in 120 148 176 204 232; do
        convert "$SCRATCH/deal.png" -crop "56x104+$((x + 10))+22" +repage "$SCRATCH/place.png"
        [ "$(compare -metric AE "$SCRATCH/place.png" "$SCRATCH/back.png" null: 2>&1)" = 0 ] && found=$x
    done
done
[ -n "$found" ] || problem "no card back on the Bank's seat in the upgraded game's deal${KEEP_SHOT:+$(cp "$SCRATCH/deal.png" "$KEEP_SHOT")}"
end_process "$GAME_PID" 30 || problem "the upgraded game did not end when asked to"
GAME_PID=

dpkg_root --purge huszonegy huszonegy-data || problem "the purge failed: $(cat "$SCRATCH/dpkg.log")"
remaining=$(find "$root/usr" ! -type d 2>/dev/null)
[ -z "$remaining" ] || problem "the purge left: $remaining"
finish
