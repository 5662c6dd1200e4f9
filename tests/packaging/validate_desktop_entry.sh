#!/bin/sh
# The desktop entry passes desktop-file-validate and names the game in both languages.
# Usage: validate_desktop_entry.sh FILE
set -u
command -v desktop-file-validate >/dev/null 2>&1 || { echo "SKIP: no desktop-file-validate"; exit 77; }
desktop-file-validate "$1" || exit 1
for key in 'Name=' 'Name\[hu\]=' 'Comment=' 'Comment\[hu\]=' 'Icon=huszonegy$' \
    'Categories=Game;CardGame;$' 'Exec=huszonegy$'; do
    grep -q "^$key" "$1" || { echo "FAIL: no $key line in $1" >&2; exit 1; }
done
