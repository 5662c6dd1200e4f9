#!/bin/sh
# Installs what is missing, builds the game in build/ (the dev preset) and starts it.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh
cmake --preset dev
cmake --build --preset dev -j"$(nproc)" --target huszonegy
exec build/huszonegy
