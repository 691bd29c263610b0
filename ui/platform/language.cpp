#include "ui/platform/language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace qx {

namespace {

// What InstallLanguage installed, kept for as long as the application runs.
std::unique_ptr<QTranslator> gameCatalogue;
std::unique_ptr<QTranslator> toolkitCatalogue;

void RemoveInstalled() {
    for (auto* t : {&gameCatalogue, &toolkitCatalogue})
        if (*t) {
            QCoreApplication::removeTranslator(t->get());
            t->reset();
        }
}

}  // namespace

QString LoadFirstCatalogue(QTranslator& into, const std::vector<std::string>& wanted, const QString& folder) {
    for (const std::string& code : wanted) {
        const QString language = QString::fromStdString(code);
        // The exact file only: QTranslator::load would go on to shorter names.
        const QString file = folder + QStringLiteral("/quorvex_") + language + QStringLiteral(".qm");
        if (QFileInfo(file).isFile() && into.load(file) && !into.isEmpty()) return language;
    }
    return QString();
}

QString InstallLanguage(const EnvironmentReader& env, const QString& folder) {
    RemoveInstalled();
    auto game = std::make_unique<QTranslator>();
    const QString language = LoadFirstCatalogue(*game, WantedLanguages(env), folder);
    SetShownLanguage(language.toStdString());
    if (language.isEmpty() || !QCoreApplication::instance()) return language;
    gameCatalogue = std::move(game);
    QCoreApplication::installTranslator(gameCatalogue.get());
    // The toolkit's buttons and dialogs in the same language; without its
    // catalogue (a Recommends of the package) they stay English.
    auto toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        toolkitCatalogue = std::move(toolkit);
        QCoreApplication::installTranslator(toolkitCatalogue.get());
    }
    return language;
}

}  // namespace qx
