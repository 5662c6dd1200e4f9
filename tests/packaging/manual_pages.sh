#!/bin/sh
# Each manual page renders without a single warning from groff or man, and tells what a
# player looks it up for: the keys, the options, where the results are kept and when they
# are written, and the environment that matters.
# Usage: manual_pages.sh PAGE...
set -u
for tool in groff man; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done
scratch=$(mktemp -d) || exit 1
trap 'rm -rf "$scratch"' EXIT
export LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80
problems=0
problem() {
    echo "PROBLEM: $*" >&2
    problems=$((problems + 1))
}

for page in "$@"; do
    # The pages are UTF-8 (Hungarian letters), so groff reads them through preconv (-k).
    groff -ww -z -k -Tutf8 -man "$page" >"$scratch/groff" 2>&1
    [ ! -s "$scratch/groff" ] || problem "groff on $page: $(cat "$scratch/groff")"
    man --warnings -l "$page" >"$scratch/text" 2>"$scratch/man" || problem "man failed on $page"
    [ ! -s "$scratch/man" ] || problem "man on $page: $(cat "$scratch/man")"
    for word in F2 F3 F4 Alt+Enter Esc Tab --help --version tavrik.ini XDG_CONFIG_HOME \
        .config/huszonegy QT_QPA_PLATFORM SIGTERM SIGHUP SIGINT GPL-3.0-or-later; do
        grep -q -F -e "$word" "$scratch/text" || problem "$page does not mention $word"
    done
done
[ "$problems" -eq 0 ] || { echo "FAIL: $problems problem(s)" >&2; exit 1; }
echo OK
