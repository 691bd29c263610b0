#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and validates the desktop entry
# and the AppStream metadata. Usage: check-desktop.sh <build folder>
set -euo pipefail
build="${1:?build folder}"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix/with space" >/dev/null
root="$prefix/with space"
test -x "$root/share/quorvex/quorvex"
test -f "$root/share/quorvex/help.txt"
for size in 16 32 48 64 128 256; do
    test -f "$root/share/icons/hicolor/${size}x${size}/apps/quorvex.png"
done
desktop-file-validate "$root/share/applications/quorvex.desktop"
appstreamcli validate --no-net "$root/share/metainfo/org.quorvex.Quorvex.metainfo.xml"
echo "desktop entry and metadata: valid"
