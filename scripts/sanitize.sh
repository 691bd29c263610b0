#!/usr/bin/env bash
# Sanitizer runs of the test suite:
#   asan  the whole tree with AddressSanitizer + UndefinedBehaviorSanitizer,
#         every test (window tests on the offscreen platform);
#   tsan  the test programs whose code runs threads, with ThreadSanitizer:
#         the network and other threaded core tests, then the host and client
#         windows' tests, the local network's against real avahi-daemons
#         among them (only those targets are built; that one needs root).
#
#   bash scripts/sanitize.sh [asan|tsan|all]     (default all)
#
# Any finding fails the run. Build folders: build-asan, build-tsan.
set -euo pipefail
cd "$(dirname "$0")/.."
what="${1:-all}"
root="$(pwd)"
jobs="${SANITIZE_JOBS:-2}"
. scripts/packages.sh
quorvex_install_packages

configure() {  # folder, flags, extra cmake arguments...
    local dir="$1" flags="$2"
    shift 2
    # Debug keeps the assertions; -O1 keeps the runs quick and the traces
    # readable; line tables (-g1) are all the reports need, and compile faster.
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS_DEBUG=-g1 -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
        -DCMAKE_C_FLAGS="-O1 $flags" -DCMAKE_CXX_FLAGS="-O1 $flags" \
        -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags" "$@" >/dev/null
}

run_asan() {
    configure build-asan "-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    cmake --build build-asan -j "$jobs"
    # Leaks inside the system's font and display libraries are theirs, not ours.
    QT_QPA_PLATFORM=offscreen \
    ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1" \
    LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
        ctest --test-dir build-asan --output-on-failure -j "${CTEST_JOBS:-6}"
}

run_tsan() {
    # The test programs whose code runs threads: the transport and the
    # protocol, hostile peers, the guard against line breaks on the wire, the
    # system's error texts on several threads; and the host and client
    # windows' tests, with the Avahi thread talking to real daemons in
    # network namespaces (lan_test.sh; skipped without root). The windows hand
    # their threads' changes over through the core's hand-over and an event
    # descriptor, so no toolkit call crosses threads. Qt itself is not
    # instrumented: its raster engine paints large areas on a thread pool of
    # its own, handing the work over through Qt's futex-based locks, which
    # ThreadSanitizer cannot see. So the memory calls made from inside Qt's
    # libraries are not checked (ignore_noninstrumented_modules); every access
    # of the game's code is.
    local core_tests=(net_tests hostile_peer_tests hostile_file_tests installation_tests)
    local window_tests=(net_window_tests net_window_fault_tests gamelink_window_tests hostile_peer_window_tests
                        lan_window_tests)
    configure build-tsan "-fsanitize=thread -fno-omit-frame-pointer"
    cmake --build build-tsan -j "$jobs" --target "${core_tests[@]}" "${window_tests[@]}"
    export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:ignore_noninstrumented_modules=1"
    # The core's network tests time their peers closely: they run alone.
    ctest --test-dir build-tsan --output-on-failure -R "^($(IFS='|'; echo "${core_tests[*]}"))\\."
    QT_QPA_PLATFORM=offscreen \
        ctest --test-dir build-tsan --output-on-failure -j "$jobs" -R "^($(IFS='|'; echo "${window_tests[*]}"))\\."
}

case "$what" in
    asan) run_asan ;;
    tsan) run_tsan ;;
    all) run_asan && run_tsan ;;
    *) echo "usage: $0 [asan|tsan|all]" >&2; exit 2 ;;
esac
