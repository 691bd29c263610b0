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
test -f "$root/share/man/man6/quorvex.6"
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
! grep -q '^Path=' "$root/share/applications/quorvex.desktop"
desktop-file-validate "$root/share/applications/quorvex.desktop"
appstreamcli validate --no-net "$root/share/metainfo/org.quorvex.Quorvex.metainfo.xml"
echo "desktop entry and metadata: valid"
