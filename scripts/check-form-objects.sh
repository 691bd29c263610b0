#!/usr/bin/env bash
# Fails when a window could reach another one on its own: the windows of a run
# belong to the composition root (ui/app/application, its Forms), so no other
# module includes its header, and no module declares a window as a global
# (extern) for others to find. Windows are handed what they need when made.
# Also fails when a window header names a connection or the two-player game's
# state, which belong to the window's session.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
# shellcheck disable=SC2046
for file in $(find core ui -name '*.h' -o -name '*.cpp' | grep -v '/assets/' | sort); do
    case "$file" in ui/app/*) continue ;; esac
    hits=$(sed -e 's://.*$::' "$file" | grep -nE '#include "ui/app/application\.h"|\bextern\b[^;(]*\bT[A-Za-z_]*\s*\*' || true)
    if [ -n "$hits" ]; then
        printf '%s reaches for the windows of the run:\n%s\n' "$file" "$hits" >&2
        status=1
    fi
done
if grep -nE '^\s*extern\b' ui/app/*.h ui/app/*.cpp >&2; then
    echo "ui/app declares a global; the windows are members of Forms" >&2
    status=1
fi
# A window holds no connection and never sees the two-player game's state:
# its TwoPlayerSession owns both, so no window header names them or includes
# the headers that declare them.
for file in $(find ui -name '*.h' | sort); do
    hits=$(sed -e 's://.*$::' "$file" |
        grep -nE '\b(LineClient|LineConnection|LineChannel|ConnectionPtr|NetGameState|LineProtocol)\b|#include "core/net/(transport/(line[a-z]*|linetransport)|protocol/lineprotocol)\.h"' || true)
    if [ -n "$hits" ]; then
        printf '%s names a connection or the game behind the session:\n%s\n' "$file" "$hits" >&2
        status=1
    fi
done
exit $status
