#!/bin/sh
# Builds the Debian package from a finished build and runs lintian on it, pedantic and with
# experimental tags: any error or warning fails, and so does any sign of a binary that lacks
# the hardening or carries sections it does not need. What lintian said is printed either way,
# the tags the package overrides (its layout) only counted.
# Usage: lintian_deb.sh BUILD_DIR VERSION
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/common.sh"
BUILD=$1
VERSION=$2

for tool in cpack lintian dpkg-shlibdeps; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit $SKIP; }
done
cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$SCRATCH/out" >"$SCRATCH/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$SCRATCH/cpack.log")"
deb=$SCRATCH/out/huszonegy_${VERSION}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb among: $(ls "$SCRATCH/out")"

lintian -EvIL +pedantic --show-overrides "$deb" >"$SCRATCH/lintian.log" 2>&1
status=$?
grep -v '^O: ' "$SCRATCH/lintian.log"
echo "($(grep -c '^O: ' "$SCRATCH/lintian.log") tags overridden by the package)"
# Exit status 2 is lintian's own failure, not a finding.
[ "$status" -le 1 ] || fail "lintian could not check the package (status $status)"
# The shipped override is seen, so lintian did look inside the package.
grep -q '^O: huszonegy: executable-in-usr-lib ' "$SCRATCH/lintian.log" ||
    fail "lintian did not apply the package's override"
grep -E '^[EW]: ' "$SCRATCH/lintian.log" >"$SCRATCH/faults"
grep -E ': (hardening-[a-z-]+|binary-has-unneeded-section) ' "$SCRATCH/lintian.log" >>"$SCRATCH/faults"
[ ! -s "$SCRATCH/faults" ] || fail "lintian found: $(cat "$SCRATCH/faults")"
echo "OK"
