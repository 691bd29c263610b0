#!/usr/bin/env bash
# Opens every window of the game under Xvfb and saves their pictures in docs/screenshots/,
# and again on a screen scaled by 2 in docs/screenshots/scale-2/.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
quorvex_install_packages
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEX_TESTS=OFF >/dev/null
cmake --build build --target quorvex_screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
    ./build/tools/quorvex_screenshots docs/screenshots "$PWD/help.txt"
# The same windows on a screen scaled by 2: every picture twice as large and sharp.
QT_SCALE_FACTOR=2 QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 2560x1600x24" \
    ./build/tools/quorvex_screenshots docs/screenshots/scale-2 "$PWD/help.txt"
