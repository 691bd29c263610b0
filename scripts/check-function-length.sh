#!/usr/bin/env bash
# Fails when a function of the game's code (core/ and ui/, so neither tests
# nor tools) is longer than 60 lines, counted from the line that names it to
# its closing brace; lists every such function. Universal Ctags finds the
# functions, lambdas included (reported as lambdas of the function around them).
set -euo pipefail
cd "$(dirname "$0")/.."

limit=60
if ! ctags --version 2>/dev/null | grep -q 'Universal Ctags'; then
    echo "check-function-length.sh needs Universal Ctags (universal-ctags, scripts/packages.sh)" >&2
    exit 1
fi

find core ui \( -name '*.h' -o -name '*.cpp' \) -not -path '*/assets/*' | sort |
    ctags -L - --language-force=C++ --kinds-C++=f --fields=+ne -x \
        --_xformat='%{input} %{line} %{end} %{name} %{scope}' -f - | sort -k1,1 -k2,2n |
    awk -v limit="$limit" '
    {
        lines = $3 - $2 + 1
        if ($3 == "" || lines <= limit) next
        # Anonymous namespaces and lambdas have made-up names: say what they are.
        scope = $5; gsub(/__anon[0-9a-f]+(::)?/, "", scope); sub(/::$/, "", scope)
        if ($4 ~ /^__anon/) name = scope == "" ? "a lambda" : "a lambda in " scope
        else name = scope == "" ? $4 : scope "::" $4
        printf "%s:%d: %s has %d lines (at most %d)\n", $1, $2, name, lines, limit
        found = 1
    }
    END { exit found ? 1 : 0 }' >&2
