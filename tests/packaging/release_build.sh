#!/bin/sh
# The release as a distribution takes it. tools/release.sh run twice gives one tarball. The
# tarball, unpacked into a fresh folder (no git), builds with CMAKE_BUILD_TYPE=None and a
# packager's flags as debhelper gives them, once on every compile line, their prefix map last,
# no -O level of ours; its plain ctest has no packaging check and passes, and cmake --install
# puts nothing of a Debian package's in a staging tree. Its package, built once more from
# another unpacked copy in another folder under another umask, with SOURCE_DATE_EPOCH unset
# both times, is byte for byte the same.
# Usage: release_build.sh SOURCE_DIR PACKAGE_VERSION
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/common.sh"
SOURCE=$1
VERSION=$2
RELEASE=${VERSION%-*}

need_tools git xz cmake cpack dpkg-deb dpkg-shlibdeps
git -C "$SOURCE" rev-parse --verify -q HEAD >/dev/null ||
    { echo "SKIP: $SOURCE is not a git checkout"; exit $SKIP; }
unset SOURCE_DATE_EPOCH
jobs=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}

sh "$SOURCE/tools/release.sh" "$SCRATCH/first" >"$SCRATCH/release.log" 2>&1 &&
    sh "$SOURCE/tools/release.sh" "$SCRATCH/second" >>"$SCRATCH/release.log" 2>&1 ||
    fail "tools/release.sh failed: $(cat "$SCRATCH/release.log")"
tarball=$SCRATCH/first/huszonegy-$RELEASE.tar.xz
[ -f "$tarball" ] || fail "no $tarball"
cmp -s "$tarball" "$SCRATCH/second/huszonegy-$RELEASE.tar.xz" || problem "two runs of tools/release.sh differ"
tar -tJf "$tarball" | grep -E '(^|/)(\.git|build[^/]*)/' >"$SCRATCH/untracked"
[ ! -s "$SCRATCH/untracked" ] || problem "the tarball holds: $(head -n 5 "$SCRATCH/untracked")"

# package_from FOLDER UMASK TESTS DEBHELPER: unpacks the tarball into FOLDER and builds its package
# there as a distribution (DEBHELPER=ON: CPPFLAGS in CXXFLAGS, -z now) does; its log FOLDER/build.log.
package_from() {
    mkdir -p "$1" && tar -xJf "$tarball" -C "$1" || fail "cannot unpack into $1"
    _src=$1/huszonegy-$RELEASE
    (
        umask "$2"
        export CXXFLAGS="-g -O2 -ffile-prefix-map=$1=. -fstack-protector-strong -Wformat -Werror=format-security"
        export CPPFLAGS="-Wdate-time -D_FORTIFY_SOURCE=2"
        export LDFLAGS="-Wl,-z,relro"
        [ "$4" = OFF ] || CXXFLAGS="$CXXFLAGS $CPPFLAGS" LDFLAGS="$LDFLAGS -Wl,-z,now"
        cmake -S "$_src" -B "$1/build" -DCMAKE_BUILD_TYPE=None -DHUSZONEGY_TESTS="$3" &&
            cmake --build "$1/build" --verbose --parallel "$jobs" --target package
    ) >"$1/build.log" 2>&1 || fail "building the package in $1 failed: $(tail -n 40 "$1/build.log")"
}

first=$SCRATCH/a
package_from "$first" 002 ON ON
# Every compile of our own sources carries the packager's flags, and no optimisation but theirs.
# (Only lines that make an object: automoc also runs the compiler, to read its macros.)
grep -E ' -o [^ ]+\.o -c [^ ]+\.cpp( |$)' "$first/build.log" >"$SCRATCH/compiles"
[ -s "$SCRATCH/compiles" ] || fail "no compile lines in the verbose build"
for flag in -g -O2 "-ffile-prefix-map=$first=." -fstack-protector-strong -Wformat \
    -Werror=format-security -Wdate-time -D_FORTIFY_SOURCE=2; do
    wrong=$(awk -v f="$flag" '{ n = 0; for (i = 1; i <= NF; i++) n += $i == f } n != 1' "$SCRATCH/compiles")
    [ -z "$wrong" ] || problem "compile lines without $flag once, the first: $(echo "$wrong" | head -n 1)"
done
grep -q -e "-ffile-prefix-map=$first=\. .*-ffile-prefix-map=" "$SCRATCH/compiles" && problem "a map follows the packager's"
! grep -m 1 -E -e '-z,(relro|now) .*-z,\1( |$)' "$first/build.log" || problem "a link line repeats the packager's -z flags"
others=$(grep -o -E ' -O[0-9sgz]? ' "$SCRATCH/compiles" | sort -u | tr -d ' ' | tr '\n' ' ')
[ "$others" = "-O2 " ] || problem "the compile lines carry the optimisation levels $others"
(cd "$first/build" && ctest -N -L packaging | grep -qx 'Total Tests: 0' && ctest --output-on-failure -j"$jobs") \
    >"$SCRATCH/ctest.log" 2>&1 || problem "the unpacked release's tests failed: $(tail -n 40 "$SCRATCH/ctest.log")"
DESTDIR=$SCRATCH/staged cmake --install "$first/build" --prefix /usr >/dev/null || fail "cmake --install failed"
check_tree "$SCRATCH/staged/usr" /usr/lib/huszonegy

second=$SCRATCH/elsewhere/b
package_from "$second" 022 OFF OFF
for deb in huszonegy_${VERSION}_$(dpkg --print-architecture).deb huszonegy-data_${VERSION}_all.deb; do
    [ -f "$first/build/$deb" ] && [ -f "$second/build/$deb" ] || fail "no $deb in both builds"
    dpkg-deb -x "$first/build/$deb" "$SCRATCH/root" || fail "dpkg-deb -x failed"
    cmp -s "$first/build/$deb" "$second/build/$deb" && continue
    if command -v diffoscope >/dev/null 2>&1; then
        diffoscope "$first/build/$deb" "$second/build/$deb" | head -n 60 >&2
    else
        dpkg-deb -c "$first/build/$deb" >"$SCRATCH/a.list"
        dpkg-deb -c "$second/build/$deb" >"$SCRATCH/b.list"
        diff "$SCRATCH/a.list" "$SCRATCH/b.list" | head -n 20 >&2
    fi
    problem "two builds of $deb differ"
done
check_tree "$SCRATCH/root/usr" /usr/lib/huszonegy package
finish
