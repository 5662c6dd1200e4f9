#!/bin/sh
# Decodes every bitmap of the seed corpus under valgrind's memcheck: fails on any read of
# memory nobody set (a pixel the decoder skipped) and on any other memory error.
# Usage: sh tools/valgrind-bitmaps.sh (in build/, the dev preset's folder, as tools/test.sh)
set -eu
cd "$(dirname "$0")/.."
build=build

cmake --preset dev
cmake --build --preset dev -j"$(nproc)" --target bitmap_replay

valgrind --tool=memcheck --error-exitcode=1 --track-origins=yes --quiet \
    "$build/bitmap_replay" fuzz/corpus/bitmap
