#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs all tests headless.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
quorvex_install_packages
export QT_QPA_PLATFORM=offscreen
# The window modules must not include each other in a circle.
bash scripts/check-include-cycles.sh
# Only the composition root names the windows' form objects.
bash scripts/check-form-objects.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-test
# The installed desktop entry and AppStream metadata must validate.
bash scripts/check-desktop.sh build-test
# The Debian package: built, lintian-clean, installed, played by a throwaway
# user whose files land in their own folder, purged without a trace.
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo bash scripts/check-package.sh build-test
# Every test case is its own entry; most of them wait on sockets and timers,
# so more run side by side than there are cores.
ctest --test-dir build-test --output-on-failure -j "${CTEST_JOBS:-8}"
# One keyboard turn with the Orca screen reader listening (about half a minute).
if command -v orca >/dev/null; then bash tests/a11y/orca-check.sh build-test/quorvex; fi
# The same tests under AddressSanitizer + UndefinedBehaviorSanitizer, and the
# Qt-free core under ThreadSanitizer.
bash scripts/sanitize.sh
# Every fuzz target for about 20 s, two side by side.
FUZZ_JOBS=2 bash scripts/fuzz.sh 20
