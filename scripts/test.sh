#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs all tests headless.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
# Everything the play command leaves out, and the fuzz run's packages too: one
# installation for the whole command.
# shellcheck disable=SC2086
quorvex_install_packages $QUORVEX_FUZZ_PACKAGES
export QT_QPA_PLATFORM=offscreen
# The window modules must not include each other in a circle.
bash scripts/check-include-cycles.sh
# No function of the game's code over 60 lines.
bash scripts/check-function-length.sh
# Only the composition root names the windows' form objects.
bash scripts/check-form-objects.sh
# Every shipped language complete: the windows, the desktop entry and
# metadata, the help text.
bash scripts/translations.sh
# Everything built with AddressSanitizer + UndefinedBehaviorSanitizer, and
# every test run there (build-asan): one build serves all the checks below,
# the optimised build is the package's.
bash scripts/sanitize.sh asan
# The installed desktop entry and AppStream metadata must validate.
bash scripts/check-desktop.sh build-asan
# The Debian package: built without a compiler warning, lintian-clean,
# installed, played by a throwaway user whose files land in their own folder,
# purged without a trace.
quorvex_as_root bash scripts/check-package.sh build-asan
# One keyboard turn with the Orca screen reader listening (about half a
# minute); the game's leaks at exit are the test run's business, not this one's.
if command -v orca >/dev/null; then ASAN_OPTIONS=detect_leaks=0 bash tests/a11y/orca-check.sh build-asan/quorvex; fi
# The programs with threads of their own under ThreadSanitizer.
bash scripts/sanitize.sh tsan
# Every fuzz target for about 10 s, two side by side (scripts/fuzz.sh runs
# longer ones; the findings so far are tests in tests/reliability).
FUZZ_JOBS=2 bash scripts/fuzz.sh 10
