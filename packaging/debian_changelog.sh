#!/bin/sh
# Writes the package's Debian changelog from the newest entry of NEWS: the package VERSION,
# the entry's items as written, and its day as the date, so the file is the same at every build.
# Usage: debian_changelog.sh NEWS VERSION OUTPUT
set -eu
heading=$(head -n 1 "$1")
day=${heading##*, }
date=$(LC_ALL=C date -u -R -d "$day 00:00:00")
{
    printf 'huszonegy (%s) unstable; urgency=medium\n\n' "$2"
    # The items of the first entry: every indented line up to the next heading.
    sed -n '2,${/^Huszonegy /q;/^  /p;}' "$1"
    printf '\n -- Tarvesz <huszonegy@tarvesz.hu>  %s\n' "$date"
} >"$3.new"
mv "$3.new" "$3"
