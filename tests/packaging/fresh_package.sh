#!/bin/sh
# The README's package command on a fresh build folder: configure the source tree into a
# scratch folder and build the "package" target, which must build everything it packs
# (program, card pictures, icons, documents) first.
# Usage: fresh_package.sh SOURCE_DIR VERSION
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/common.sh"
SOURCE=$1
VERSION=$2

need_tools cmake cpack dpkg-deb dpkg-shlibdeps
build=$SCRATCH/build
cmake -S "$SOURCE" -B "$build" -DHUSZONEGY_TESTS=OFF \
    >"$SCRATCH/configure.log" 2>&1 || fail "configuring failed: $(cat "$SCRATCH/configure.log")"
cmake --build "$build" --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" --target package \
    >"$SCRATCH/build.log" 2>&1 ||
    fail "the package target failed: $(tail -n 40 "$SCRATCH/build.log")"
deb=$build/huszonegy_${VERSION}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb"

dpkg-deb -x "$deb" "$SCRATCH/root" || fail "dpkg-deb -x failed"
check_tree "$SCRATCH/root/usr" /usr/lib/huszonegy
finish
