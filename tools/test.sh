#!/bin/sh
# Installs what is missing, builds everything in build/ with warnings as errors, runs every test.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHUSZONEGY_WERROR=ON
cmake --build build -j"$(nproc)"
cd build && ctest --output-on-failure -j"$(nproc)"
