#include "SoundPort.h"

#ifdef DZWONEX_HAVE_SOUND
#include "Sound.h"
#endif

namespace dzwonex {

#ifdef DZWONEX_HAVE_SOUND
namespace {
class GameSound final : public SoundPort {
public:
    GameSound() : FSound(TSound::CreateWithSdlMixer()) {}
    void InitSound(const std::string& appDir) override { FSound->InitSound(appDir); }
    void DoneSound() override { FSound->DoneSound(); }
    void PlayButtonSound() override { FSound->PlayButtonSound(); }
    void PlayPageSound() override { FSound->PlayPageSound(); }
    void PlayClickSound() override { FSound->PlayClickSound(); }
    void chkMuzykaClick(bool ticked) override { FSound->chkMuzykaClick(ticked); }

private:
    std::unique_ptr<TSound> FSound;
};
}  // namespace

std::unique_ptr<SoundPort> MakeGameSound() { return std::make_unique<GameSound>(); }
#else
std::unique_ptr<SoundPort> MakeGameSound() { return std::make_unique<SilentSound>(); }
#endif

}  // namespace dzwonex
