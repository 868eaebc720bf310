#include "Settings.h"

#include <algorithm>

#include <QSettings>

namespace dzwonex {

namespace {

const QString kMusic = QStringLiteral("sound/music");
const QString kMusicVolume = QStringLiteral("sound/musicVolume");
const QString kEffectsVolume = QStringLiteral("sound/effectsVolume");
const QString kGeometry = QStringLiteral("window/geometry");
const QString kLanguage = QStringLiteral("window/language");
const QString kStartFromLast = QStringLiteral("game/startFromLast");

QSettings Store() { return QSettings(QStringLiteral("dzwonex"), QStringLiteral("dzwonex")); }

int Percent(const QString& key, int fallback) {
    bool ok = false;
    const int value = Store().value(key, fallback).toInt(&ok);
    return ok ? std::clamp(value, 0, 100) : fallback;
}

}  // namespace

bool Settings::MusicOn() const { return Store().value(kMusic, true).toBool(); }
void Settings::SetMusicOn(bool on) { Store().setValue(kMusic, on); }

int Settings::MusicVolume(int fallback) const { return Percent(kMusicVolume, fallback); }
void Settings::SetMusicVolume(int percent) { Store().setValue(kMusicVolume, percent); }

int Settings::EffectsVolume(int fallback) const { return Percent(kEffectsVolume, fallback); }
void Settings::SetEffectsVolume(int percent) { Store().setValue(kEffectsVolume, percent); }

QByteArray Settings::Geometry() const { return Store().value(kGeometry).toByteArray(); }
void Settings::SetGeometry(const QByteArray& geometry) { Store().setValue(kGeometry, geometry); }

std::optional<Language> Settings::ChosenLanguage() const {
    return LanguageFromCode(Store().value(kLanguage).toString().toStdString());
}
void Settings::SetChosenLanguage(Language language) {
    Store().setValue(kLanguage, QString::fromLatin1(LanguageCode(language)));
}

bool Settings::StartFromLastGame() const { return Store().value(kStartFromLast, false).toBool(); }
void Settings::SetStartFromLastGame(bool on) { Store().setValue(kStartFromLast, on); }

}  // namespace dzwonex
