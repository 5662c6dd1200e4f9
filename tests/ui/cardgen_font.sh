#!/bin/sh
# The card generator on a machine whose only fonts are not DejaVu: it must stop with a line
# that names the missing face and the package, and write no picture, rather than drawing the
# corner marks in whatever fontconfig offers instead.
# Usage: cardgen_font.sh CARDGEN
set -u
CARDGEN=$1
fonts=/usr/share/fonts/truetype/liberation
[ -d "$fonts" ] || { echo "SKIP: no $fonts to stand in for DejaVu"; exit 77; }
SCRATCH=$(mktemp -d) || exit 1
trap 'rm -rf "$SCRATCH"' EXIT
cat >"$SCRATCH/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>$fonts</dir>
  <cachedir>$SCRATCH/cache</cachedir>
</fontconfig>
CONF

FONTCONFIG_FILE=$SCRATCH/fonts.conf QT_QPA_PLATFORM=offscreen \
    "$CARDGEN" "$SCRATCH/Images" "$SCRATCH/icons" >"$SCRATCH/out" 2>"$SCRATCH/err"
status=$?
failures=0
[ "$status" -ne 0 ] || { echo "FAIL: cardgen succeeded without DejaVu Serif" >&2; failures=1; }
grep -q 'DejaVu Serif Bold.*fonts-dejavu-core' "$SCRATCH/err" ||
    { echo "FAIL: cardgen did not name the face and package: $(cat "$SCRATCH/err")" >&2; failures=1; }
[ ! -e "$SCRATCH/Images" ] || { echo "FAIL: cardgen wrote pictures anyway" >&2; failures=1; }
[ "$failures" -eq 0 ] && echo OK
