#!/bin/sh
# Decodes every bitmap of the seed corpus under valgrind's memcheck: fails on any read of
# memory nobody set (a pixel the decoder skipped) and on any other memory error.
# Usage: sh tools/valgrind-bitmaps.sh [build folder, default build, as tools/test.sh makes it]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHUSZONEGY_WERROR=ON
cmake --build "$build" -j"$(nproc)" --target bitmap_replay

valgrind --tool=memcheck --error-exitcode=1 --track-origins=yes --quiet \
    "$build/bitmap_replay" fuzz/corpus/bitmap
