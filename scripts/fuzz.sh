#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each for a given time.
#
#   bash scripts/fuzz.sh [seconds per target, default 20] [target...]
#
# Environment: FUZZ_JOBS (targets run side by side, default 1),
# FUZZ_BUILD (build folder, default build-fuzz). Inputs found on the way
# collect in <build>/corpus/<target>; the seeds in fuzz/corpus/ are not
# touched. A finding is kept in <build>/artifacts/ and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
shift || true
all_targets="fuzz_ini fuzz_slot fuzz_codec fuzz_framing fuzz_protocol fuzz_messages"
targets="${*:-$all_targets}"
build="${FUZZ_BUILD:-build-fuzz}"
jobs="${FUZZ_JOBS:-1}"
. scripts/packages.sh
# shellcheck disable=SC2086
quorvex_install_packages $QUORVEX_FUZZ_PACKAGES

if [ ! -f "$build/build.ninja" ]; then
    cmake -S fuzz -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
# shellcheck disable=SC2086
cmake --build "$build" --target $targets

# Longest input per target: the framing and the protocol need room for lines
# beyond the transport's 16384-byte limit.
max_len() {
    case "$1" in
        fuzz_framing) echo 40000 ;;
        fuzz_protocol) echo 20000 ;;
        *) echo 8192 ;;
    esac
}

export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
mkdir -p "$build/artifacts" "$build/logs"

run_one() {
    local t="$1"
    mkdir -p "$build/corpus/$t"
    "$build/$t" "$build/corpus/$t" "fuzz/corpus/$t" \
        -max_total_time="$seconds" -max_len="$(max_len "$t")" -timeout=30 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$t-" >"$build/logs/$t.log" 2>&1
}

failed=""
running=0
pids=()
names=()
for t in $targets; do
    run_one "$t" &
    pids+=("$!")
    names+=("$t")
    running=$((running + 1))
    if [ "$running" -ge "$jobs" ]; then
        if ! wait "${pids[0]}"; then failed="$failed ${names[0]}"; fi
        pids=("${pids[@]:1}")
        names=("${names[@]:1}")
        running=$((running - 1))
    fi
done
for i in "${!pids[@]}"; do
    if ! wait "${pids[$i]}"; then failed="$failed ${names[$i]}"; fi
done

printf '%-15s %12s %8s %10s\n' target executions seconds corpus
for t in $targets; do
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/logs/$t.log" | tail -1)
    secs=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$build/logs/$t.log" | tail -1)
    files=$(find "$build/corpus/$t" -type f | wc -l)
    printf '%-15s %12s %8s %10s\n' "$t" "${runs:-?}" "${secs:-?}" "$files"
done
if [ -n "$failed" ]; then
    for t in $failed; do
        echo "=== $t found a fault (log $build/logs/$t.log):"
        grep -E -A30 "ERROR|runtime error|check failed|deadly signal" "$build/logs/$t.log" | head -60 || tail -40 "$build/logs/$t.log"
    done
    exit 1
fi
