// The windows' language: the game's catalogue and the toolkit's own, chosen
// from the environment as gettext chooses (core/platform/language.h) and
// installed before any window is made.
#pragma once

#include "core/platform/language.h"

#include <QString>

#include <string>
#include <vector>

class QTranslator;

namespace qx {

// Where the build puts the game's catalogues: compiled in, so a copy run
// from its build folder or unpacked anywhere speaks the same languages as an
// installed one.
inline constexpr char kCatalogueFolder[] = ":/i18n";

// Loads into `into` the first catalogue of `wanted` ("quorvex_<code>.qm" in
// `folder`) that loads and holds a message, and returns its code; "" when
// none does (no such language, a broken or an empty file), for English.
QString LoadFirstCatalogue(QTranslator& into, const std::vector<std::string>& wanted, const QString& folder);

// Chooses the language from the environment, installs the game's catalogue
// and the toolkit's (qtbase_<code>.qm from the toolkit's translations folder,
// when it has one) into the running application, records the choice for the
// help text and the error causes (qx::SetShownLanguage) and returns it. ""
// for English: nothing is installed and every text is the program's own. A
// second call replaces what the first installed.
QString InstallLanguage(const EnvironmentReader& env = [](const char* name) { return std::getenv(name); },
                        const QString& folder = QString::fromLatin1(kCatalogueFolder));

}  // namespace qx
