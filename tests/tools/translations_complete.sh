#!/bin/sh
# lupdate over the sources into a copy of each translation: no text may be left unfinished or
# kept after the sources dropped it; and every translation keeps its source's placeholders.
# Usage: translations_complete.sh LUPDATE SOURCE_DIR
set -u
SCRATCH=$(mktemp -d) && trap 'rm -rf "$SCRATCH"' EXIT && cd "$2" || exit 2
for ts in translations/huszonegy_*.ts; do
    cp "$ts" "$SCRATCH/check.ts" && "$1" -locations none -I . app game store ui \
        -ts "$SCRATCH/check.ts" >"$SCRATCH/log" 2>&1 || { cat "$SCRATCH/log"; exit 1; }
    ! grep -B 2 -E 'type="(unfinished|obsolete|vanished)"' "$SCRATCH/check.ts" ||
        { echo "FAIL: $ts has the texts above unfinished or obsolete"; exit 1; }
done
/usr/bin/python3 "$(dirname "$0")/translation_placeholders.py" translations/huszonegy_*.ts \
    tests/ui/translations/huszonegy_*.ts || { echo "FAIL: placeholders dropped or added above"; exit 1; }
