#!/bin/sh
# Each manual page renders without a single warning from groff or man, and tells what a
# player looks it up for: the keys, the options, where the results are kept and when they
# are written, and the environment that matters.
# Usage: manual_pages.sh PAGE...
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/common.sh"
need_tools groff man
export LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80

for page in "$@"; do
    # The pages are UTF-8 (Hungarian letters), so groff reads them through preconv (-k).
    groff -ww -z -k -Tutf8 -man "$page" >"$SCRATCH/groff" 2>&1
    [ ! -s "$SCRATCH/groff" ] || problem "groff on $page: $(cat "$SCRATCH/groff")"
    man --warnings -l "$page" >"$SCRATCH/text" 2>"$SCRATCH/man" || problem "man failed on $page"
    [ ! -s "$SCRATCH/man" ] || problem "man on $page: $(cat "$SCRATCH/man")"
    for word in F2 F3 F4 Alt+Enter Esc Tab --help --version tavrik.ini XDG_CONFIG_HOME \
        .config/huszonegy QT_QPA_PLATFORM SIGTERM SIGHUP SIGINT GPL-3.0-or-later LANGUAGE; do
        grep -q -F -e "$word" "$SCRATCH/text" || problem "$page does not mention $word"
    done
done
finish
