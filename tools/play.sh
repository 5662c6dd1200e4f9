#!/bin/sh
# Installs what is missing, builds the game in build/ and starts it.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target huszonegy
exec build/huszonegy
