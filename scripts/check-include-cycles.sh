#!/usr/bin/env bash
# Fails when the modules of the game (windows, rules and the platform layer
# beneath them) include each other in a circle. A module is
# a header with its source (ui/game/main.h and ui/game/main.cpp are "ui/game/main");
# module A depends on B when either file of A includes B's header. Every
# module counts, the composition root ui/app/application that knows every
# window included: no window may include it back.
set -euo pipefail
cd "$(dirname "$0")/.."

folders="core ui"
# shellcheck disable=SC2086
find $folders -name '*.h' -o -name '*.cpp' | grep -v '/assets/' | sort |
while read -r file; do
    { grep -h '^#include "' "$file" || true; } | sed 's/^#include "\([^"]*\)".*/\1/' |
        while read -r inc; do
            [ -f "$inc" ] || continue
            printf '%s %s\n' "${file%.*}" "${inc%.*}"
        done
done | awk '
    $1 == $2 { next }
    !seen[$1 " " $2]++ { out[$1] = out[$1] " " $2; nodes[$1]; nodes[$2] }
    function visit(n,    k, i, list, m) {
        state[n] = 1; path[++depth] = n
        m = split(out[n], list, " ")
        for (i = 1; i <= m; ++i) {
            if (state[list[i]] == 1) {
                line = ""
                for (k = depth; k >= 1 && path[k] != list[i]; --k) line = path[k] " -> " line
                print "include cycle: " list[i] " -> " line list[i] > "/dev/stderr"
                found = 1
            } else if (state[list[i]] == 0) {
                visit(list[i])
            }
        }
        state[n] = 2; --depth
    }
    END {
        for (n in nodes) if (state[n] == 0) visit(n)
        exit found ? 1 : 0
    }'
