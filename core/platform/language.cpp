#include "core/platform/language.h"

#include <mutex>

namespace qx {

namespace {

std::mutex shownLock;
std::string shown;

bool IsCLocale(const std::string& name) {
    // C.UTF-8 is the C locale with another codeset: still untranslated.
    return name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0 || name.rfind("C@", 0) == 0;
}

bool IsEnglish(const std::string& name) { return name == "en" || name.rfind("en_", 0) == 0; }

// "de_DE.UTF-8@euro" -> "de_DE", then "de".
void AddEntry(std::string name, std::vector<std::string>& out) {
    name = name.substr(0, name.find_first_of(".@"));
    if (name.empty()) return;
    out.push_back(name);
    if (const auto country = name.find('_'); country != std::string::npos && country > 0)
        out.push_back(name.substr(0, country));
}

}  // namespace

std::vector<std::string> WantedLanguages(const EnvironmentReader& env) {
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = env(name); value && value[0]) {
            locale = value;
            break;
        }
    if (locale.empty() || IsCLocale(locale)) return {};
    std::vector<std::string> entries;
    if (const char* list = env("LANGUAGE"); list && list[0]) {
        const std::string all = list;
        for (std::size_t from = 0; from <= all.size();) {
            const std::size_t end = std::min(all.find(':', from), all.size());
            if (end > from) entries.push_back(all.substr(from, end - from));
            from = end + 1;
        }
    }
    entries.push_back(locale);
    std::vector<std::string> wanted;
    for (const std::string& e : entries) {
        if (IsEnglish(e)) break;
        AddEntry(e, wanted);
    }
    return wanted;
}

void SetShownLanguage(const std::string& code) {
    std::lock_guard lock(shownLock);
    shown = code;
}

std::string ShownLanguage() {
    std::lock_guard lock(shownLock);
    return shown;
}

}  // namespace qx
