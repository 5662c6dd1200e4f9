#!/bin/sh
# Installs what is missing, builds everything in build/ (the dev preset: warnings as errors)
# and runs every test, the packaging checks included (a distribution's plain ctest leaves them
# out). Arguments go to the configure step.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh
cmake --preset dev -DHUSZONEGY_PACKAGING_TESTS=ON "$@"
cmake --build --preset dev -j"$(nproc)"
ctest --preset dev -j"$(nproc)"
