#!/usr/bin/env bash
# Fails when the game's code includes itself in a circle, at two grains:
# - modules: a header with its source (ui/game/main.h and ui/game/main.cpp are
#   "ui/game/main"); module A depends on B when either file of A includes B's
#   header. Every module counts, the composition root ui/app/application that
#   knows every window included: no window may include it back.
# - folders, at every level: core and ui, core/net and core/game, ui/net and
#   ui/platform ... (written with a trailing "/"). A file's include is an edge
#   between the first folders in which the two paths differ.
# It also fails when a file under core/ (plain C++) includes Qt or anything under ui/.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
if grep -rnE '^\s*#\s*include\s*(<Q|"ui/)' core --include='*.h' --include='*.cpp'; then
    echo "core/ must not include Qt or ui/ (lines above)" >&2
    status=1
fi

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
    # The folder edge: the first folders in which the two paths differ.
    function folder_edge(a, b,    pa, pb, na, nb, i, fa, fb) {
        na = split(a, pa, "/"); nb = split(b, pb, "/")
        fa = ""; fb = ""
        for (i = 1; i < na && i < nb; ++i) {
            fa = fa pa[i] "/"; fb = fb pb[i] "/"
            if (pa[i] != pb[i]) { edge(fa, fb); return }
        }
    }
    function edge(a, b) {
        if (a == b || seen[a " " b]++) return
        out[a] = out[a] " " b; nodes[a]; nodes[b]
    }
    { edge($1, $2); folder_edge($1, $2) }
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
    }' || status=1
exit $status
