#include "Settings.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace dzwonex {

namespace {

const QString kMusic = QStringLiteral("sound/music");
const QString kMusicVolume = QStringLiteral("sound/musicVolume");
const QString kEffectsVolume = QStringLiteral("sound/effectsVolume");
const QString kGeometry = QStringLiteral("window/geometry");
const QString kLanguage = QStringLiteral("window/language");
const QString kStartFromLast = QStringLiteral("game/startFromLast");
const QString kStopOnNewCase = QStringLiteral("game/stopOnNewCase");
const QString kLastExitProblem = QStringLiteral("game/lastExitProblem");
const QString kPlayerName = QStringLiteral("player/name");

QString Tr(const char* text) { return QCoreApplication::translate("dzwonex::Settings", text); }

// Where QSettings("dzwonex", "dzwonex") keeps them on this system.
QString DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/dzwonex/dzwonex.conf");
}

}  // namespace

Settings::Settings() { Open(DefaultPath()); }

Settings::Settings(const QString& path) { Open(path); }

Settings::~Settings() { Flush(); }

void Settings::Open(const QString& path) {
    path_ = path;
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    QObject::connect(&settle_, &QTimer::timeout, [this] { Settle(); });
    // QSettings would wait on a pipe for ever and cannot read a folder: such
    // a thing is moved aside, and the game begins a fresh file.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        QString aside = path + QStringLiteral(".uszkodzony");
        for (int n = 2; QFileInfo::exists(aside) && n < 1000; ++n)
            aside = path + QStringLiteral(".uszkodzony-%1").arg(n);
        const bool moved = QFile::rename(path, aside);
        const QString what = info.isDir() ? Tr(QT_TRANSLATE_NOOP("dzwonex::Settings", "to folder"))
                                          : Tr(QT_TRANSLATE_NOOP("dzwonex::Settings", "to nie zwykły plik"));
        if (moved) {
            problem_ = Tr(QT_TRANSLATE_NOOP("dzwonex::Settings",
                                            "Plik ustawień %1 nie nadaje się do odczytu (%2). Odłożono go jako %3 i "
                                            "zaczęto nowy."))
                           .arg(QDir::toNativeSeparators(path), what, QDir::toNativeSeparators(aside));
        } else {
            problem_ = Tr(QT_TRANSLATE_NOOP("dzwonex::Settings",
                                            "Plik ustawień %1 nie nadaje się do odczytu (%2); ustawienia nie zostaną "
                                            "zapamiętane."))
                           .arg(QDir::toNativeSeparators(path), what);
            // Kept for this run only, in memory.
            store_ = std::make_unique<QSettings>(QString(), QSettings::IniFormat);
            return;
        }
    }
    store_ = std::make_unique<QSettings>(path, QSettings::NativeFormat);
}

void Settings::Settle() {
    settle_.stop();
    for (const auto& [key, value] : settling_) store_->setValue(key, value);
    settling_.clear();
}

void Settings::Flush() {
    Settle();
    store_->sync();
}

QVariant Settings::Value(const QString& key, const QVariant& fallback) const {
    if (const auto waiting = settling_.find(key); waiting != settling_.end()) return waiting->second;
    return store_->value(key, fallback);
}

void Settings::Set(const QString& key, const QVariant& value) {
    settling_.erase(key);
    store_->setValue(key, value);
}

void Settings::SetLater(const QString& key, const QVariant& value) {
    settling_[key] = value;
    settle_.start();
}

int Settings::Percent(const QString& key, int fallback) const {
    bool ok = false;
    const int value = Value(key, fallback).toInt(&ok);
    return ok ? std::clamp(value, 0, 100) : fallback;
}

bool Settings::MusicOn() const { return Value(kMusic, true).toBool(); }
void Settings::SetMusicOn(bool on) { Set(kMusic, on); }

int Settings::MusicVolume(int fallback) const { return Percent(kMusicVolume, fallback); }
void Settings::SetMusicVolume(int percent) { SetLater(kMusicVolume, percent); }

int Settings::EffectsVolume(int fallback) const { return Percent(kEffectsVolume, fallback); }
void Settings::SetEffectsVolume(int percent) { SetLater(kEffectsVolume, percent); }

QByteArray Settings::Geometry() const { return Value(kGeometry).toByteArray(); }
void Settings::SetGeometry(const QByteArray& geometry) { Set(kGeometry, geometry); }

std::optional<Language> Settings::ChosenLanguage() const {
    return LanguageFromCode(Value(kLanguage).toString().toStdString());
}
void Settings::SetChosenLanguage(Language language) { Set(kLanguage, QString::fromLatin1(LanguageCode(language))); }

bool Settings::StartFromLastGame() const { return Value(kStartFromLast, false).toBool(); }
void Settings::SetStartFromLastGame(bool on) { Set(kStartFromLast, on); }

bool Settings::StopOnNewCase() const { return Value(kStopOnNewCase, false).toBool(); }
void Settings::SetStopOnNewCase(bool on) { Set(kStopOnNewCase, on); }

QString Settings::LastExitProblem() const { return Value(kLastExitProblem).toString(); }
void Settings::SetLastExitProblem(const QString& problem) {
    if (problem.isEmpty())
        store_->remove(kLastExitProblem);
    else
        Set(kLastExitProblem, problem);
}

std::optional<QString> Settings::PlayerName() const {
    const QString name = Value(kPlayerName).toString().simplified();
    if (name.isEmpty()) return std::nullopt;
    return name;
}
void Settings::SetPlayerName(const QString& name) { Set(kPlayerName, name.simplified()); }

}  // namespace dzwonex
