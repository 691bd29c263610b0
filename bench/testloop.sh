#!/usr/bin/env bash
# The daily test loop (`ctest -j8 -LE slow`) against its floor: the same ctest
# entries, each starting its program with the same environment and folder but
# selecting no test case. The floor is what the entries cost before any test
# runs (ctest's own work, starting each process, loading the libraries, the
# window tests' QApplication); the difference is what the tests themselves cost.
# The two alternate, so a change in the machine's speed touches both.
#
# Usage: bench/testloop.sh [runs]      (default 3)
# Environment: BUILD (the build folder, default build; it is configured and
# built first), JOBS (default 8).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
build=${BUILD:-build}
jobs=${JOBS:-8}

cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" >/dev/null 2>&1 || cmake --build "$build"
load=$(cut -d' ' -f1-3 /proc/loadavg)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The floor's ctest tree, from the daily loop's own list of entries.
ctest --test-dir "$build" --show-only=json-v1 -LE slow >"$work/entries.json"
python3 - "$work/entries.json" "$work/floor" <<'EOF'
import json, os, sys
entries = json.load(open(sys.argv[1]))["tests"]
os.makedirs(sys.argv[2])
lines = []
for n, entry in enumerate(entries):
    props = {p["name"]: p["value"] for p in entry.get("properties", [])}
    program = entry["command"][0]
    folder = props.get("WORKING_DIRECTORY", os.getcwd())
    lines.append(f'add_test(floor{n} "{program}" "--gtest_filter=-*")')
    lines.append(f'set_tests_properties(floor{n} PROPERTIES WORKING_DIRECTORY "{folder}")')
    if props.get("ENVIRONMENT"):
        lines.append(f'set_tests_properties(floor{n} PROPERTIES ENVIRONMENT "{";".join(props["ENVIRONMENT"])}")')
open(os.path.join(sys.argv[2], "CTestTestfile.cmake"), "w").write("\n".join(lines) + "\n")
print(f"{len(entries)} entries", file=sys.stderr)
EOF

# once <ctest arguments...>: "wall user+sys" in seconds; a failure stops the run.
once() {
    local out
    out=$({ /usr/bin/time -f "%e %U %S" ctest "$@" -j"$jobs" -Q >/dev/null; } 2>&1 | tail -1)
    awk '{ printf "%.2f %.2f\n", $1, $2 + $3 }' <<<"$out"
}
loop=() floor=()
for r in $(seq "$runs"); do
    loop+=("$(once --test-dir "$build" -LE slow)")
    floor+=("$(once --test-dir "$work/floor")")
    echo "run $r: loop ${loop[-1]}, floor ${floor[-1]} (wall, CPU in s)" >&2
done

# median <field> <rows...>
median() {
    local field=$1
    shift
    printf '%s\n' "$@" | awk -v f="$field" '{ print $f }' | sort -g | awk '{ v[NR] = $1 } END {
        printf "%.2f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
printf '%-34s %8s %8s\n' "median of $runs, ctest -j$jobs" "wall s" "CPU s"
printf '%-34s %8s %8s\n' "daily loop (-LE slow)" "$(median 1 "${loop[@]}")" "$(median 2 "${loop[@]}")"
printf '%-34s %8s %8s\n' "floor (same entries, no case)" "$(median 1 "${floor[@]}")" "$(median 2 "${floor[@]}")"
echo "load average before the runs: $load; $(nproc) cores"
