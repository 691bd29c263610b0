#!/usr/bin/env bash
# Installs what the game needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
quorvex_install_packages
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEX_TESTS=OFF
cmake --build build --target quorvex
# The game keeps its settings, statistics and savegames beside its executable
# and reads help.txt from the folder it is started in.
cd build
exec ./quorvex
