#!/usr/bin/env bash
# Fails when a module other than the composition root (ui/app/application)
# names a window's form object (Haupt, Setup, stat, qx_host, ...): windows are
# handed what they need when they are made and never find each other.
set -euo pipefail
cd "$(dirname "$0")/.."

forms='Haupt|Setup|AboutBox|SplashScr|SpeicherMenu|LadenMenu|stat|DelMenu|qx_host|qx_client|Help'
folders="core ui"
status=0
# shellcheck disable=SC2086
for file in $(find $folders -name '*.h' -o -name '*.cpp' | grep -v '/assets/' | sort); do
    case "$file" in ui/app/application.* | ui/app/quorvex.cpp) continue ;; esac
    # Comments and string literals go first: a window may give itself its own
    # name, and texts and remarks may say anything.
    hits=$(sed -e 's://.*$::' -e 's/"\([^"\\]\|\\.\)*"/""/g' "$file" |
        grep -nE "#include \"ui/app/application\.h\"|\bextern\b.*\b($forms)\b|(^|[^.>:[:alnum:]_])($forms)(->|\s*[!=]=|\s*[);,?&|])|quorvex::($forms)\b" |
        grep -vE '\bstruct stat\b|::stat\(' || true)
    if [ -n "$hits" ]; then
        printf '%s names another window'"'"'s form object:\n%s\n' "$file" "$hits" >&2
        status=1
    fi
done
exit $status
