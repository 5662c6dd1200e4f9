#!/bin/sh
# lupdate over the sources into a copy of each translation: no text may be left unfinished or
# kept after the sources dropped it. Usage: translations_complete.sh LUPDATE SOURCE_DIR
set -u
SCRATCH=$(mktemp -d) && trap 'rm -rf "$SCRATCH"' EXIT && cd "$2" || exit 2
for ts in translations/huszonegy_*.ts; do
    cp "$ts" "$SCRATCH/check.ts" && "$1" -locations none -I . app game store ui \
        -ts "$SCRATCH/check.ts" >"$SCRATCH/log" 2>&1 || { cat "$SCRATCH/log"; exit 1; }
    ! grep -B 2 -E 'type="(unfinished|obsolete|vanished)"' "$SCRATCH/check.ts" ||
        { echo "FAIL: $ts has the texts above unfinished or obsolete"; exit 1; }
done
