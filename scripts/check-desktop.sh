#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and validates the desktop entry
# and the AppStream metadata. Usage: check-desktop.sh <build folder>
set -euo pipefail
build="${1:?build folder}"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix/with space" >/dev/null
root="$prefix/with space"
test -x "$root/bin/quorvex"
test -f "$root/share/quorvex/help.txt"
test -f "$root/share/quorvex/installed"
# A help text per language of po/LINGUAS beside the English one.
for language in $(grep -v '^#' "$(dirname "$0")/../po/LINGUAS"); do
    test -s "$root/share/quorvex/help_$language.txt"
done
test -f "$root/share/man/man6/quorvex.6"
# The translated manual pages (po/man/po4a.cfg), each one man can render.
for language in $(sed -n 's/^\[po4a_langs\] *//p' "$(dirname "$0")/../po/man/po4a.cfg"); do
    page="$root/share/man/$language/man6/quorvex.6"
    test -s "$page"
    warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || { echo "$warnings"; exit 1; }
done
for size in 16 22 24 32 48 64 128 256 512; do
    test -f "$root/share/icons/hicolor/${size}x${size}/apps/quorvex.png"
    # Each picture is as large as the folder it lies in says.
    file "$root/share/icons/hicolor/${size}x${size}/apps/quorvex.png" | grep -q "$size x $size"
done
test -f "$root/share/icons/hicolor/scalable/apps/quorvex.svg"
# The entry starts the installed command by its full path, quoted for the blank.
grep -qx "Exec=\"$root/bin/quorvex\" %u" "$root/share/applications/quorvex.desktop"
# It opens game links.
grep -qx "MimeType=x-scheme-handler/quorvex;" "$root/share/applications/quorvex.desktop"
# (A negated command does not stop a script under set -e: test it explicitly.)
if grep -q '^Path=' "$root/share/applications/quorvex.desktop"; then exit 1; fi
# Translated through gettext: the entry and the metadata speak German too.
grep -q '^Name\[de\]=' "$root/share/applications/quorvex.desktop"
grep -q '^Comment\[de\]=' "$root/share/applications/quorvex.desktop"
grep -q '<summary xml:lang="de">' "$root/share/metainfo/org.quorvex.quorvex.metainfo.xml"
grep -q '<translation type="qt">quorvex</translation>' "$root/share/metainfo/org.quorvex.quorvex.metainfo.xml"
desktop-file-validate "$root/share/applications/quorvex.desktop"
# Pedantic and clean: even a hint (a line "P: ..." or "I: ...") fails.
report="$(appstreamcli validate --pedantic --no-net --no-color "$root/share/metainfo/org.quorvex.quorvex.metainfo.xml")"
echo "$report"
if grep -q '^[EWIP]: ' <<<"$report"; then exit 1; fi
echo "desktop entry and metadata: valid"
