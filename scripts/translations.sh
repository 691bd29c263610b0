#!/usr/bin/env bash
# The game's translations: how far each language is, and the sources of the
# catalogues brought up to date with the program's texts.
#
#   translations.sh [check [<build>]] each language's share of translated
#                                    messages, then the texts that no longer
#                                    fit their controls (measured by the
#                                    window tests of <build>, default build);
#                                    fails when a language of po/LINGUAS is
#                                    incomplete or a text does not fit
#   translations.sh update <build>   takes the messages from the sources into
#                                    ui/translations/*.ts (lupdate) and
#                                    po/quorvex.pot, and merges the .po files;
#                                    the manual page's into po/man/ (po4a)
set -euo pipefail
cd "$(dirname "$0")/.."
languages="$(grep -v '^#' po/LINGUAS)"
# The languages of the manual page (po/man/po4a.cfg), a few of the above.
man_languages="$(sed -n 's/^\[po4a_langs\] *//p' po/man/po4a.cfg)"

update() {
    local build="${1:?build folder}"
    # lupdate through the build, which knows every source of the windows.
    cmake --build "$build" --target update_translations
    # The desktop entry and the metainfo: their translatable fields.
    local its=/usr/share/gettext/its/metainfo.its
    xgettext --package-name=quorvex --msgid-bugs-address=developers@quorvex.example.org --no-location \
        -L Desktop -k -kName -kGenericName -kComment -kKeywords -o po/desktop.pot desktop/quorvex.desktop.in
    xgettext --package-name=quorvex --msgid-bugs-address=developers@quorvex.example.org --no-location \
        --its="$its" -o po/metainfo.pot desktop/org.quorvex.quorvex.metainfo.xml.in
    # One template; its date stays out so that an unchanged text leaves it alone.
    msgcat --use-first po/desktop.pot po/metainfo.pot | sed '/^"POT-Creation-Date: /d' >po/quorvex.pot
    rm -f po/desktop.pot po/metainfo.pot
    for l in $languages; do
        if [ -f "po/$l.po" ]; then
            msgmerge --quiet --update --backup=none --no-fuzzy-matching "po/$l.po" po/quorvex.pot
        else
            msginit --no-translator --locale="$l" -i po/quorvex.pot -o "po/$l.po"
        fi
    done
    # The manual page: its template and catalogues (a language added to
    # po/man/po4a.cfg gets a new one); the pages themselves are the build's.
    po4a --no-translations po/man/po4a.cfg
}

# "finished total" of one .ts file: a message counts as finished when its
# translation is neither unfinished nor vanished nor obsolete and is not empty.
ts_counts() {
    python3 - "$1" <<'EOF'
import sys
import xml.etree.ElementTree as ET
total = finished = 0
for message in ET.parse(sys.argv[1]).getroot().iter("message"):
    t = message.find("translation")
    kind = t.get("type") if t is not None else "unfinished"
    if kind in ("vanished", "obsolete"):
        continue
    total += 1
    forms = t.findall("numerusform") if t is not None else []
    texts = [f.text for f in forms] if forms else [t.text if t is not None else None]
    if kind != "unfinished" and all(texts):
        finished += 1
print(finished, total)
EOF
}

# "translated total" of one .po file, as msgfmt counts them (fuzzy is not translated).
po_counts() {
    local stats translated untranslated fuzzy
    stats="$(LC_ALL=C msgfmt --statistics -o /dev/null "$1" 2>&1)"
    translated="$(grep -o '[0-9]* translated' <<<"$stats" | grep -o '[0-9]*' || echo 0)"
    fuzzy="$(grep -o '[0-9]* fuzzy' <<<"$stats" | grep -o '[0-9]*' || echo 0)"
    untranslated="$(grep -o '[0-9]* untranslated' <<<"$stats" | grep -o '[0-9]*' || echo 0)"
    echo "$translated" $((translated + fuzzy + untranslated))
}

check() {
    local failed=0 l done_ total pdone ptotal help mdone mtotal manual
    printf '%-6s %16s %16s %16s  %s\n' language windows desktop manual help
    for l in $languages; do
        if [ -f "ui/translations/quorvex_$l.ts" ]; then read -r done_ total < <(ts_counts "ui/translations/quorvex_$l.ts")
        else done_=0 total=1; fi
        if [ -f "po/$l.po" ]; then read -r pdone ptotal < <(po_counts "po/$l.po")
        else pdone=0 ptotal=1; fi
        # The manual page only in the languages of po/man/po4a.cfg.
        mdone=0 mtotal=0
        if [[ " $man_languages " == *" $l "* ]]; then
            if [ -f "po/man/$l.po" ]; then read -r mdone mtotal < <(po_counts "po/man/$l.po")
            else mdone=0 mtotal=1; fi
            manual="$(printf '%7s %7s%%' "$mdone/$mtotal" $((mtotal ? 100 * mdone / mtotal : 100)))"
        else
            manual="$(printf '%16s' -)"
        fi
        help=yes
        [ -s "help/help_$l.txt" ] || help=missing
        printf '%-6s %7s %7s%% %7s %7s%% %s  %s\n' "$l" "$done_/$total" $((total ? 100 * done_ / total : 100)) \
            "$pdone/$ptotal" $((ptotal ? 100 * pdone / ptotal : 100)) "$manual" "$help"
        if [ "$done_" -ne "$total" ] || [ "$pdone" -ne "$ptotal" ] || [ "$mdone" -ne "$mtotal" ] ||
            [ "$help" != yes ]; then failed=1; fi
    done
    if [ "$failed" -ne 0 ]; then
        echo "translations: a shipped language is incomplete" >&2
    else
        echo "translations: every shipped language complete"
    fi
    # The texts that no longer fit their controls, per language, at scale 1
    # and 2: the window tests' fit test measures them (the test command runs
    # it as well, so without a build this part is left to it).
    local fit="${1:-build}/tests/aux_windows/aux_windows_tests" out status=0
    if [ ! -x "$fit" ]; then
        echo "translations: no $fit built, so the fit of the texts is not measured here"
        return "$failed"
    fi
    out="$(QUORVEX_FIT_REPORT=1 QT_QPA_PLATFORM=offscreen "$fit" --gtest_brief=1 \
        --gtest_filter=Fit.EveryTextIsWholeInItsControlInEveryLanguageAtScale1And2 2>&1)" || status=$?
    grep -E '^(  |[a-z]{2}(_[A-Z]{2})? scale )' <<<"$out" || true
    if [ "$status" -ne 0 ]; then
        echo "translations: a text does not fit its control" >&2
        failed=1
    else
        echo "translations: every text fits its control"
    fi
    return "$failed"
}

case "${1:-check}" in
check) shift || true; check "$@" ;;
update) shift; update "$@" ;;
*) echo "usage: translations.sh [check [<build folder>] | update <build folder>]" >&2; exit 2 ;;
esac
