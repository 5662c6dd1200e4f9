#!/bin/sh
# lupdate over the game's sources, into a copy of each translation: none may have a text left
# unfinished, nor keep one the sources no longer hold.
# Usage: translations_complete.sh LUPDATE SOURCE_DIR
set -u
SCRATCH=$(mktemp -d) || exit 1
trap 'rm -rf "$SCRATCH"' EXIT
cd "$2" || exit 2
status=0
for ts in translations/huszonegy_*.ts; do
    cp "$ts" "$SCRATCH/check.ts"
    "$1" -locations none -I . app game store ui -ts "$SCRATCH/check.ts" >"$SCRATCH/log" 2>&1 ||
        { cat "$SCRATCH/log"; exit 1; }
    if grep -B 2 -E 'type="(unfinished|obsolete|vanished)"' "$SCRATCH/check.ts"; then
        echo "FAIL: $ts has the texts above unfinished or obsolete"
        status=1
    fi
done
exit $status
