// The language the player reads.
//
// The environment says which languages the player wants, in the order
// gettext reads them; the windows (ui/platform/language.h) choose the first
// the game has a catalogue for and record it here, so that the help text and
// the system's error causes come in the same language as the windows. Before
// that, and whenever no catalogue fits, everything is English.
#pragma once

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace qx {

using EnvironmentReader = std::function<const char*(const char*)>;

// The languages asked for, most wanted first: each entry of LANGUAGE (a colon
// list, read only when the locale is not C or POSIX) and then the locale of
// messages (the first set of LC_ALL, LC_MESSAGES, LANG). Each as its name
// without codeset and modifier ("pt_BR" for "pt_BR.UTF-8"), followed by the
// bare language when it names a country ("pt"). The list ends before the
// first English entry, since English is what the program says untranslated;
// empty for the C locale.
std::vector<std::string> WantedLanguages(const EnvironmentReader& env = [](const char* name) {
    return std::getenv(name);
});

// The language shown, as the catalogue's code ("de", "pt_BR"); "" for
// English. Set at start-up, before the connection threads exist.
void SetShownLanguage(const std::string& code);
std::string ShownLanguage();

}  // namespace qx
