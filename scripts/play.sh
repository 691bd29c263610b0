#!/usr/bin/env bash
# Installs what building and playing need, builds the game and starts it
# (as root, or as a user with sudo for the installation).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
quorvex_install_play_packages
# Built as the Debian package is, with its optimisation and hardening flags:
# the test command's package check fails on any compiler warning there.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=None -DQUORVEX_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build --target quorvex
# The game keeps its settings, statistics and savegames beside its executable
# and reads help.txt from the folder it is started in.
cd build
exec ./quorvex
