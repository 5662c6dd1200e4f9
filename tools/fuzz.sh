#!/bin/sh
# Bounded fuzzing of the settings file reader, the integer parser and the card-picture
# decoder with libFuzzer, ASan and UBSan (the fuzz preset, in build-fuzz/). Usage:
# sh tools/fuzz.sh [seconds in all, default 30]. First every seed input runs once, then each
# program fuzzes for its share of the time. Fails on any crash; a crashing input is left in
# build-fuzz/ as crash-* (keep it in fuzz/corpus/ and as a test under tests/).
set -eu
cd "$(dirname "$0")/.."
total=${1:-30}
targets="profile_fuzz integer_fuzz bitmap_fuzz"
count=$(echo $targets | wc -w)
each=$(( total / count ))
[ "$each" -ge 1 ] || each=1

cmake --preset fuzz
cmake --build --preset fuzz -j"$(nproc)"
ctest --preset fuzz

for target in $targets; do
    corpus=${target%_fuzz}
    # New inputs go to the scratch folder, so the seed corpus in the repository stays as is.
    mkdir -p "build-fuzz/corpus/$corpus"
    # Seed pictures run to a few kilobytes; room to grow them into larger ones.
    max_len=4096
    [ "$target" != bitmap_fuzz ] || max_len=16384
    echo "== $target for ${each}s"
    "build-fuzz/$target" -max_total_time="$each" -timeout=10 -rss_limit_mb=2048 \
        -max_len="$max_len" -print_final_stats=1 -artifact_prefix="build-fuzz/$corpus-" \
        "build-fuzz/corpus/$corpus" "fuzz/corpus/$corpus"
done
