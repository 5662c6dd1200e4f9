#!/bin/sh
# Builds the Debian package from a finished build and runs lintian on it, pedantic and with
# experimental tags: any error, warning or information tag fails, and so does any sign of a binary that lacks
# the hardening or carries sections it does not need. What lintian said is printed either way,
# the tags the package overrides (its layout) only counted.
# Usage: lintian_deb.sh BUILD_DIR VERSION
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/common.sh"
BUILD=$1
VERSION=$2

need_tools cpack lintian dpkg-shlibdeps
make_deb "$BUILD" "$VERSION"

lintian --fail-on none -EvIL +pedantic --show-overrides "$DEB" "$DATA_DEB" >"$SCRATCH/lintian.log" 2>&1
status=$?
grep -v '^O: ' "$SCRATCH/lintian.log"
echo "($(grep -c '^O: ' "$SCRATCH/lintian.log") tags overridden by the package)"
# The findings are read below; without --fail-on a shown override of an error would exit 2 too.
[ "$status" -eq 0 ] || fail "lintian could not check the package (status $status)"
# The shipped override is seen, so lintian did look inside the package.
grep -q '^O: huszonegy: executable-in-usr-lib ' "$SCRATCH/lintian.log" ||
    fail "lintian did not apply the package's override"
grep -E '^[EWI]: ' "$SCRATCH/lintian.log" >"$SCRATCH/faults"
# Pictures are data for /usr/share; none may hide in /usr/lib behind an override.
grep -E '^O: .*image-file-in-usr-lib' "$SCRATCH/lintian.log" >>"$SCRATCH/faults"
grep -E ': (hardening-[a-z-]+|binary-has-unneeded-section) ' "$SCRATCH/lintian.log" >>"$SCRATCH/faults"
[ ! -s "$SCRATCH/faults" ] || fail "lintian found: $(cat "$SCRATCH/faults")"
echo "OK"
