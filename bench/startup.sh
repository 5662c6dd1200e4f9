#!/bin/sh
# Start-up benchmark (not a test): the game against a bare Qt 6 frameless window of the same
# size, started in turn on a private X server. Each start is timed to its first mapped window
# and its memory (RSS and PSS) read from /proc one second later; then it is killed, so the
# game never saves. The game runs from a scratch copy of the build, so no settings file is
# read from or left in the build tree. Prints the medians and the game-to-bare ratios; the
# goal is 1.25 or less for each.
# Usage: bench/startup.sh [BUILD_DIR] [ROUNDS]   (defaults: build, 7)
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd) || exit 2
ROUNDS=${2:-7}
. "$ROOT/packaging/xsession.sh"

for needed in "$BUILD/huszonegy" "$BUILD/startup_bare_window" "$BUILD/startup_map_probe"; do
    [ -x "$needed" ] || { echo "missing $needed: configure with -DHUSZONEGY_BENCHMARKS=ON, build the targets huszonegy, startup_bare_window and startup_map_probe" >&2; exit 2; }
done
[ -d "$BUILD/Images" ] || { echo "missing $BUILD/Images: build the target card_images" >&2; exit 2; }

scratch_game "$BUILD" || exit 2
start_private_x "$SCRATCH" 1024x768x24 || { echo "Xvfb did not start" >&2; exit 2; }

# measure NAME PROGRAM: one start, appended to the samples as "NAME ms rss_kib pss_kib".
measure() {
    env -u WAYLAND_DISPLAY -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS \
        QT_QPA_PLATFORM=xcb HOME="$SCRATCH/home" XDG_RUNTIME_DIR="$SCRATCH/runtime" \
        XDG_CONFIG_HOME="$SCRATCH/config" \
        "$BUILD/startup_map_probe" "$SCRATCH/result" 60 "$2" >>"$SCRATCH/programs.log" 2>&1 ||
        { echo "$1 did not start:" >&2; cat "$SCRATCH/programs.log" >&2; exit 1; }
    read -r pid ms <"$SCRATCH/result"
    RUNNING=$pid
    sleep 1
    memory=$(awk '/^Rss:/ { rss = $2 } /^Pss:/ { pss = $2 } END { print rss, pss }' \
        "/proc/$pid/smaps_rollup")
    kill -KILL "$pid"
    while process_alive "$pid"; do sleep 0.05; done
    RUNNING=
    if [ -n "${3:-}" ]; then
        echo "$1 $ms $memory" >>"$SCRATCH/samples"
        echo "  $1: $ms ms, RSS and PSS $memory KiB" >&2
    fi
}

GAME=$SCRATCH/game/huszonegy
BARE=$BUILD/startup_bare_window
# One unrecorded start of each first, so both are measured with their files in the cache.
measure game "$GAME"
measure bare "$BARE"
round=1
while [ "$round" -le "$ROUNDS" ]; do
    measure game "$GAME" record
    measure bare "$BARE" record
    round=$((round + 1))
done

# median NAME COLUMN
median() {
    awk -v name="$1" -v column="$2" '$1 == name { print $column }' "$SCRATCH/samples" | sort -g |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "Start-up of $ROUNDS alternating runs each (median), build $BUILD:"
awk -v gt="$(median game 2)" -v bt="$(median bare 2)" \
    -v gr="$(median game 3)" -v br="$(median bare 3)" \
    -v gp="$(median game 4)" -v bp="$(median bare 4)" 'BEGIN {
    printf "%-18s %12s %12s %8s\n", "", "game", "bare window", "ratio"
    printf "%-18s %12.1f %12.1f %8.2f\n", "to first map (ms)", gt, bt, gt / bt
    printf "%-18s %12.1f %12.1f %8.2f\n", "RSS (MiB)", gr / 1024, br / 1024, gr / br
    printf "%-18s %12.1f %12.1f %8.2f\n", "PSS (MiB)", gp / 1024, bp / 1024, gp / bp
    verdict = (gt / bt <= 1.25 && gr / br <= 1.25 && gp / bp <= 1.25) ? "met" : "NOT met"
    printf "goal (every ratio 1.25 or less): %s\n", verdict
}'
