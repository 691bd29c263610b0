#!/usr/bin/env bash
# Builds the Debian package from this tree and installs it: as root, or as a
# user with sudo (only the installations run as root).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
quorvex_as_root apt-get update
quorvex_as_root env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y .
dpkg-buildpackage -us -uc -b
deb="../quorvex_$(dpkg-parsechangelog -S Version)_$(dpkg --print-architecture).deb"
quorvex_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb"
