#pragma once
#include <QLocale>
#include <QObject>

#include "Language.h"

namespace dzwonex {

class Settings;

// The window's language, in one place: the translators installed in the
// application (InstalledLanguage() reads them), changed only here. It
// tells whoever listens when the language changes, and keeps the player's
// choice with the settings when asked to.
class LanguageSwitch : public QObject {
    Q_OBJECT
public:
    explicit LanguageSwitch(Settings& settings, QObject* parent = nullptr);

    // The language to start in: the one of `forced` (the command line),
    // else the player's choice, else the system's.
    static Language StartLanguage(const Settings& settings, const std::optional<Language>& forced = std::nullopt,
                                  const QLocale& system = QLocale());

    Language Current() const;
    // Speaks the language from now on; `remember` keeps it for next time.
    void Pick(Language language, bool remember = false);
    // The language the game shows itself in has been asked for: when the
    // translators installed speak another (someone else installed them),
    // the listeners hear of it.
    void Follow(Language shown);

signals:
    void Changed(Language language);

private:
    Settings& settings_;
};

}  // namespace dzwonex
