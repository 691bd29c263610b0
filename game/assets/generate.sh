#!/usr/bin/env bash
# Builds the picture generator and draws every picture of the game anew.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$here/../../build-assets"
cmake -S "$here/generator" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target drawassets
"$build/drawassets" "$here"
