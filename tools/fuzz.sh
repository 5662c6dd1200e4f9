#!/bin/sh
# Bounded fuzzing of the settings file reader, the integer parser and the card-picture
# decoder with libFuzzer, ASan and UBSan. Usage: sh tools/fuzz.sh [seconds in all, default
# 30]. Fails on any crash; a crashing input is left in build-fuzz/ as crash-* (keep it as a
# test under tests/store, or as a picture in fuzz/corpus/bitmap).
set -eu
cd "$(dirname "$0")/.."
total=${1:-30}
targets="profile_fuzz integer_fuzz bitmap_fuzz"
count=$(echo $targets | wc -w)
each=$(( total / count ))
[ "$each" -ge 1 ] || each=1

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DHUSZONEGY_FUZZ=ON -DHUSZONEGY_TESTS=OFF -DHUSZONEGY_BENCHMARKS=OFF \
    -DHUSZONEGY_SANITIZE=ON -DHUSZONEGY_WERROR=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link"
cmake --build build-fuzz -j"$(nproc)" --target $targets

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
