#include "Speakers.h"

#include <cstdio>

#include <QTimer>

#include "BackgroundOpenedSound.h"
#include "MenuPage.h"
#include "Settings.h"
#include "Sound.h"

namespace dzwonex {

namespace {

// The sound opens after the window's first paint, or this long after the
// start-up when no paint comes.
constexpr int kSoundOpensAtTheLatestMs = 1000;

}  // namespace

Speakers::Speakers(std::unique_ptr<GameSound> given, Settings& settings, QObject* parent)
    : QObject(parent),
      settings_(settings),
      sound_(given ? std::move(given) : std::make_unique<BackgroundOpenedSound>(TSound::CreateWithSdlMixer())),
      opening_(dynamic_cast<BackgroundOpenedSound*>(sound_.get())) {
    // Told on the thread that opens the sound; said on the window's.
    sound_->WhenSilent([this](const std::string& library, const std::string& reason) {
        QMetaObject::invokeMethod(
            this,
            [this, library = QString::fromStdString(library), reason = QString::fromLocal8Bit(reason)] {
                const QString line = tr("Gra bez dźwięku: nie można wczytać %1 (%2).").arg(library, reason);
                std::fprintf(stderr, "dzwonex: %s\n", line.toLocal8Bit().constData());
                emit Silent(line);
            },
            Qt::QueuedConnection);
    });
}

Speakers::~Speakers() = default;

void Speakers::ApplyVolumes(MenuPage& menu) {
    sound_->SetMusicVolume(settings_.MusicVolume(sound_->MusicVolume()));
    sound_->SetEffectsVolume(settings_.EffectsVolume(sound_->EffectsVolume()));
    menu.ShowVolumes(sound_->MusicVolume(), sound_->EffectsVolume());
}

void Speakers::Init(const std::string& dir) {
    sound_->InitSound(dir);
    if (opening_) QTimer::singleShot(kSoundOpensAtTheLatestMs, this, &Speakers::WindowPainted);
}

void Speakers::ApplyMusicSwitch(MenuPage& menu) {
    if (settings_.MusicOn()) return;
    menu.ShowMusicOn(false);
    sound_->SetMusicOn(false);
}

void Speakers::WindowPainted() {
    if (opening_) opening_->StartOpening();
}

void Speakers::SetMusicOn(bool on) {
    sound_->SetMusicOn(on);
    settings_.SetMusicOn(on);
}

void Speakers::SetMusicVolume(int percent) {
    sound_->SetMusicVolume(percent);
    settings_.SetMusicVolume(percent);
}

void Speakers::SetEffectsVolume(int percent) {
    sound_->SetEffectsVolume(percent);
    settings_.SetEffectsVolume(percent);
}

}  // namespace dzwonex
