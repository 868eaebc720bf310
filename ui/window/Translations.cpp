#include "Translations.h"

#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace dzwonex {

namespace {

struct Installed {
    Language language = Language::Polish;
    std::unique_ptr<QTranslator> game;
    std::unique_ptr<QTranslator> qt;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

void Remove(std::unique_ptr<QTranslator>& translator) {
    if (translator) QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

}  // namespace

void InstallLanguage(Language language) {
    Installed& now = Current();
    Remove(now.game);
    Remove(now.qt);
    now.language = language;
    const QString code = QString::fromLatin1(LanguageCode(language));
    // Qt's own words (the file dialogs' buttons); a system without Qt's
    // translations shows them in English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        now.qt = std::move(qt);
    }
    // Polish is the source language and has no file: the texts stay as
    // written.
    auto game = std::make_unique<QTranslator>();
    if (game->load(QStringLiteral(":/i18n/dzwonex_") + code + QStringLiteral(".qm"))) {
        QCoreApplication::installTranslator(game.get());
        now.game = std::move(game);
    }
}

Language InstalledLanguage() { return Current().language; }

Language LanguageOfLocale(const QLocale& locale) {
    return locale.language() == QLocale::Polish ? Language::Polish : Language::English;
}

}  // namespace dzwonex
