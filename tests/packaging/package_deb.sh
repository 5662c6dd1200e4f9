#!/bin/sh
# Builds the Debian package from a finished build into a scratch folder, checks its
# control fields, unpacks it into a scratch root with dpkg -x, checks the tree and starts
# the game from the root's games link on a private X server. Where the program folder is
# read-only, the settings must go to the per-user folder instead.
# Usage: package_deb.sh BUILD_DIR VERSION
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/common.sh"
BUILD=$1
VERSION=$2

for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit $SKIP; }
done
[ -f "$BUILD/CPackConfig.cmake" ] || fail "no $BUILD/CPackConfig.cmake"

cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$SCRATCH/out" >"$SCRATCH/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$SCRATCH/cpack.log")"
deb=$SCRATCH/out/huszonegy_${VERSION}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb among: $(ls "$SCRATCH/out")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = huszonegy ] || problem "Package is $(field Package)"
[ "$(field Version)" = "$VERSION" ] || problem "Version is $(field Version)"
[ "$(field Section)" = games ] || problem "Section is $(field Section)"
[ -n "$(field Maintainer)" ] || problem "no Maintainer"
[ -n "$(field Description)" ] || problem "no Description"
depends=$(field Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6 \
    fonts-comic-neue fonts-wine qt6-translations-l10n; do
    echo "$depends" | tr ',' '\n' | grep -q "^ *$package\( \|$\)" ||
        problem "Depends lacks $package: $depends"
done

root=$SCRATCH/root
dpkg -x "$deb" "$root" || fail "dpkg -x failed"
check_tree "$root/usr"
[ "$PROBLEMS" -eq 0 ] || fail "$PROBLEMS problem(s) in the package"

app=$root/usr/lib/huszonegy
need_display
run_game "$root/usr/games/huszonegy" "$SCRATCH/config"
[ -f "$app/tavrik.ini" ] || problem "the game kept no tavrik.ini beside itself in a writable folder"

# A system install: the program folder belongs to someone else and the player cannot write
# there. Under root, the player is played by the unprivileged "nobody".
if [ "$(id -u)" -eq 0 ]; then
    command -v setpriv >/dev/null 2>&1 || fail "setpriv is needed to play as an ordinary user"
    chmod 755 "$SCRATCH"
    mkdir -p "$SCRATCH/player"
    chown 65534:65534 "$SCRATCH/player"
    PLAYER="setpriv --reuid=65534 --regid=65534 --clear-groups"
else
    chmod a-w "$app"
    mkdir -p "$SCRATCH/player"
    PLAYER=
fi
before=$(cat "$app/tavrik.ini")
run_game "$root/usr/games/huszonegy" "$SCRATCH/player/config" "$PLAYER"
[ -f "$SCRATCH/player/config/huszonegy/tavrik.ini" ] ||
    problem "the game kept no tavrik.ini in the per-user folder when its own folder is read-only"
[ "$(cat "$app/tavrik.ini")" = "$before" ] || problem "the read-only folder's tavrik.ini changed"
chmod u+w "$app"
finish
