#!/usr/bin/env bash
# Opens every window of the game under Xvfb and saves their pictures in docs/screenshots/,
# and again on a screen scaled by 2 in docs/screenshots/scale-2/; then in German,
# Russian and Japanese at scale 1 in docs/screenshots/<language>/, the language
# chosen by the environment as the game chooses it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
quorvex_install_packages
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEX_TESTS=OFF >/dev/null
cmake --build build --target quorvex_screenshots
# English whatever the locale of the shell this runs in.
LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
    ./build/tools/quorvex_screenshots docs/screenshots "$PWD/help.txt"
# The same windows on a screen scaled by 2: every picture twice as large and sharp.
LC_ALL=C.UTF-8 QT_SCALE_FACTOR=2 QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 2560x1600x24" \
    ./build/tools/quorvex_screenshots docs/screenshots/scale-2 "$PWD/help.txt"
# Each language as an installed copy runs: the help text its own (help_<language>.txt),
# the toolkit's texts from its catalogue; a copy of the tool beside the install marker.
for locale in de_DE ru_RU ja_JP; do
    language="${locale%_*}"
    installed="$(mktemp -d)"
    mkdir -p "$installed/bin" "$installed/share/quorvex"
    cp build/tools/quorvex_screenshots "$installed/bin/"
    cp help.txt "help/help_$language.txt" desktop/installed "$installed/share/quorvex/"
    env -u LC_ALL -u LC_MESSAGES LANGUAGE="$language" LANG="$locale.UTF-8" QT_QPA_PLATFORM=xcb \
        xvfb-run -a -s "-screen 0 1280x800x24" \
        "$installed/bin/quorvex_screenshots" "docs/screenshots/$language"
    rm -rf "$installed"
done
