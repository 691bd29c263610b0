#!/usr/bin/env bash
# Builds the picture generator and draws every picture of the game anew.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
top="$here/../.."
build="$top/build-assets"
cmake -S "$here" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target drawassets
"$build/drawassets" "$top/ui/game/assets"
