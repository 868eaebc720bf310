#include "SoundPort.h"

#ifdef DZWONEX_HAVE_SOUND
#include "Sound.h"
#endif

namespace dzwonex {

#ifdef DZWONEX_HAVE_SOUND
namespace {
class GameSound final : public SoundPort {
public:
    GameSound() : sound_(TSound::CreateWithSdlMixer()) {}
    void InitSound(const std::string& appDir) override { sound_->InitSound(appDir); }
    void DoneSound() override { sound_->DoneSound(); }
    void PlayButtonSound() override { sound_->PlayButtonSound(); }
    void PlayPageSound() override { sound_->PlayPageSound(); }
    void PlayClickSound() override { sound_->PlayClickSound(); }
    void chkMuzykaClick(bool ticked) override { sound_->chkMuzykaClick(ticked); }
    void SetMusicVolume(int percent) override { sound_->SetMusicVolume(percent); }
    void SetEffectsVolume(int percent) override { sound_->SetEffectsVolume(percent); }
    int MusicVolume() const override { return sound_->MusicVolume(); }
    int EffectsVolume() const override { return sound_->EffectsVolume(); }

private:
    std::unique_ptr<TSound> sound_;
};
}  // namespace

std::unique_ptr<SoundPort> MakeGameSound() { return std::make_unique<GameSound>(); }
#else
std::unique_ptr<SoundPort> MakeGameSound() { return std::make_unique<SilentSound>(); }
#endif

}  // namespace dzwonex
