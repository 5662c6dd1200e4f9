#!/bin/sh
# Installs what is missing, builds everything in build/ (the dev preset: warnings as errors)
# and runs its tests. Arguments go to the configure step, for example
# -DHUSZONEGY_PACKAGING_TESTS=ON for the packaging checks too.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh
cmake --preset dev "$@"
cmake --build --preset dev -j"$(nproc)"
ctest --preset dev -j"$(nproc)"
