#include "LanguageSwitch.h"

#include "Settings.h"
#include "Translations.h"

namespace dzwonex {

LanguageSwitch::LanguageSwitch(Settings& settings, QObject* parent) : QObject(parent), settings_(settings) {}

Language LanguageSwitch::StartLanguage(const Settings& settings, const std::optional<Language>& forced,
                                       const QLocale& system) {
    if (forced) return *forced;
    if (const auto chosen = settings.ChosenLanguage()) return *chosen;
    return LanguageOfLocale(system);
}

Language LanguageSwitch::Current() const { return InstalledLanguage(); }

void LanguageSwitch::Pick(Language language, bool remember) {
    if (remember) settings_.SetChosenLanguage(language);
    InstallLanguage(language);
    // At once: the change the installation announces to the widgets comes
    // later, through Follow.
    emit Changed(language);
}

void LanguageSwitch::Follow(Language shown) {
    if (InstalledLanguage() != shown) emit Changed(InstalledLanguage());
}

}  // namespace dzwonex
