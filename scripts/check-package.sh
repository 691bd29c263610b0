#!/usr/bin/env bash
# Builds the Debian package from this tree and checks it as a user meets it:
# lintian-clean, installs, runs as an ordinary user who gets the files in
# their own folder while nothing is written below /usr, and purges without a
# trace. Needs root (it installs the package and adds a throwaway user).
# Usage: check-package.sh <build folder with the wmclose tool>
set -euo pipefail
cd "$(dirname "$0")/.."
wmclose="$(cd "${1:?build folder}" && pwd)/tools/wmclose"
test -x "$wmclose"

work="$(mktemp -d)"
user="qxcheck$$"
cleanup() {
    pkill -u "$user" 2>/dev/null || true
    userdel "$user" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"
fail() { echo "package check: $*" >&2; exit 1; }

# A copy of the tree without builds, so the package builds as from a clean clone.
mkdir "$work/src"
tar --exclude=./.git --exclude='./build*' --exclude='./obj-*' -cf - . | tar -C "$work/src" -xf -
# -jauto: debhelper builds on one core unless told otherwise.
(cd "$work/src" && dpkg-buildpackage -us -uc -b -jauto) >"$work/build.log" 2>&1 || {
    tail -n 60 "$work/build.log"
    fail "dpkg-buildpackage failed"
}
# The optimised build with the package's hardening flags is the one a user
# building from source gets too (scripts/play.sh): not one compiler warning.
if grep -E ':[0-9]+(:[0-9]+)?: warning: |^(cc1plus|c\+\+|g\+\+|/usr/bin/ld[.a-z]*): warning: ' "$work/build.log"; then
    fail "the compiler warns while building the package"
fi
deb="$(echo "$work"/quorvex_*.deb)"
test -f "$deb" || fail "no package was built"
echo "built $(basename "$deb")"

# Errors and warnings fail; informational and pedantic tags are only shown.
tags="$(lintian --fail-on error,warning --info --pedantic "$deb" 2>&1 | { grep -v 'root privileges is not recommended' || true; })" ||
    { echo "$tags"; fail "lintian reports errors or warnings"; }
echo "lintian (errors, warnings, info, pedantic): ${tags:-no tags}"

# No trace of an earlier run of this check.
if dpkg-query -W -f='${Status}' quorvex 2>/dev/null | grep -q "installed"; then
    apt-get purge -y quorvex >/dev/null
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" >/dev/null
dpkg -L quorvex | sort >"$work/files"
test -x /usr/games/quorvex || fail "no /usr/games/quorvex"
# Software centres show who makes it: Debian 12's AppStream reads the developer's name.
# (Read whole first: grep -q would end the pipe early, which pipefail counts.)
details="$(appstreamcli get --no-cache org.quorvex.quorvex --details 2>&1)" || true
grep -qx 'Developer: The Quorvex developers' <<<"$details" || { echo "$details"; fail "AppStream does not show the developer"; }

# The installed game, started by an ordinary user in their home folder under
# Xvfb, then closed as a window manager would close it.
home="$work/home"
cp "$wmclose" "$work/wmclose"  # where the player may run it
useradd --create-home --home-dir "$home" --shell /bin/sh "$user"
touch "$work/stamp"
runuser -u "$user" -- env -i HOME="$home" USER="$user" PATH=/usr/games:/usr/bin:/bin \
    WMCLOSE="$work/wmclose" sh -c '
    cd "$HOME"
    exec xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
        quorvex & pid=\$!
        # Asked to close once the splash screen has gone, and again every few
        # seconds until it has ended; given up after a minute.
        n=0
        while kill -0 \$pid 2>/dev/null; do
            [ \$n -lt 60 ] || { kill \$pid; exit 1; }
            [ \$((n % 5)) -eq 3 ] && \"\$WMCLOSE\" Quorvex 2>/dev/null
            n=\$((n + 1)); sleep 1
        done
        wait \$pid
    "' || fail "the installed game did not start and close as the user"

data="$home/.local/share/quorvex"
test -f "$data/setup.ini" || fail "no setup.ini in $data"
test -f "$data/Quorvex.stat" || fail "no Quorvex.stat in $data"
[ "$(stat -c %U "$data/setup.ini")" = "$user" ] || fail "setup.ini does not belong to the player"
[ "$(wc -l <"$data/setup.ini")" -eq 7 ] || fail "setup.ini does not hold the seven default lines"
[ "$(wc -l <"$data/Quorvex.stat")" -eq 36 ] || fail "Quorvex.stat does not hold 36 lines"
written="$(find /usr -newer "$work/stamp" -not -type d 2>/dev/null | head -n 5)"
[ -z "$written" ] || fail "the game wrote below /usr: $written"
echo "installed game: files in the player's folder, nothing below /usr"

# Purged, nothing of the package is left below /usr.
apt-get purge -y quorvex >/dev/null
left=""
while read -r f; do
    case "$f" in /usr/*) ;; *) continue ;; esac
    if [ -e "$f" ] && ! [ -d "$f" ]; then left="$left $f"; fi
    if [ -d "$f" ] && [ -z "$(dpkg -S "$f" 2>/dev/null)" ]; then left="$left $f/"; fi
done <"$work/files"
[ -z "$left" ] || fail "left behind after purge:$left"
echo "package: built, lintian-clean, installed, played, purged"
