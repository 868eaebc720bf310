// The game's sound opening on a thread of its own once the window has shown.
#include <gtest/gtest.h>

#include <future>
#include <mutex>
#include <new>
#include <string>
#include <vector>

#include "BackgroundOpenedSound.h"

namespace dzwonex {
namespace {

// Logs every call; its opening waits until the test lets it finish, or
// fails as told.
class SlowToOpen final : public GameSound {
public:
    SlowToOpen(std::vector<std::string>& log, std::shared_future<void> opened, bool fails)
        : log_(log), opened_(std::move(opened)), fails_(fails) {}
    void InitSound(const std::string& dir) override {
        opened_.wait();
        Log("InitSound(" + dir + ")");
        if (fails_) throw std::bad_alloc();
    }
    void DoneSound() override { Log("DoneSound"); }
    void PlayButtonSound() override { Log("PlayButtonSound"); }
    void PlayPageSound() override { Log("PlayPageSound"); }
    void PlayClickSound() override { Log("PlayClickSound"); }
    void SetMusicOn(bool on) override { Log(on ? "SetMusicOn(true)" : "SetMusicOn(false)"); }
    void SetMusicVolume(int percent) override { music_ = percent; }
    void SetEffectsVolume(int) override {}
    int MusicVolume() const override { return music_; }
    int EffectsVolume() const override { return 0; }

private:
    void Log(const std::string& call) {
        std::lock_guard lock(mutex_);
        log_.push_back(call);
    }
    std::vector<std::string>& log_;
    std::shared_future<void> opened_;
    bool fails_;
    std::mutex mutex_;
    int music_ = 0;
};

TEST(BackgroundOpenedSoundTest, OpeningWaitsForItsStartDoesNotHoldTheCallerAndEveryCallComesAfterIt) {
    for (const bool fails : {false, true}) {
        SCOPED_TRACE(fails ? "the opening fails" : "the opening succeeds");
        std::vector<std::string> log;
        std::promise<void> open;
        {
            BackgroundOpenedSound sound(std::make_unique<SlowToOpen>(log, open.get_future().share(), fails));
            sound.InitSound("dir/");
            // Asked before the opening begins: made once the sound is open.
            sound.PlayPageSound();
            sound.SetMusicOn(false);
            // Returns while the opening still waits: otherwise this test hangs.
            sound.StartOpening();
            open.set_value();
            sound.PlayClickSound();
            sound.SetMusicVolume(40);
            EXPECT_EQ(sound.MusicVolume(), 40);
            sound.DoneSound();
        }
        EXPECT_EQ(log, (std::vector<std::string>{"InitSound(dir/)", "PlayPageSound", "SetMusicOn(false)",
                                                 "PlayClickSound", "DoneSound"}));
    }
}

TEST(BackgroundOpenedSoundTest, AnOpeningNotYetBegunIsBegunByAQuestionAndLetGoByTheClose) {
    std::vector<std::string> log;
    std::promise<void> open;
    open.set_value();
    const auto opened = open.get_future().share();
    {
        BackgroundOpenedSound sound(std::make_unique<SlowToOpen>(log, opened, false));
        sound.InitSound("dir/");
        sound.SetMusicVolume(30);
        EXPECT_EQ(sound.MusicVolume(), 30);
    }
    EXPECT_EQ(log, (std::vector<std::string>{"InitSound(dir/)"}));
    log.clear();
    for (const bool closed : {true, false}) {
        {
            BackgroundOpenedSound sound(std::make_unique<SlowToOpen>(log, opened, false));
            sound.InitSound("dir/");
            sound.PlayButtonSound();
            if (closed) sound.DoneSound();
        }
        EXPECT_EQ(log, closed ? std::vector<std::string>{"DoneSound"} : std::vector<std::string>{});
        log.clear();
    }
}

TEST(BackgroundOpenedSoundTest, ClosingWhileTheSoundStillOpensWaitsForIt) {
    std::vector<std::string> log;
    std::promise<void> open;
    auto sound =
        std::make_unique<BackgroundOpenedSound>(std::make_unique<SlowToOpen>(log, open.get_future().share(), false));
    sound->InitSound("dir/");
    sound->StartOpening();
    // Let go from another thread while the destructor waits: the opening
    // then finishes on a sound that still exists.
    auto releaser = std::async(std::launch::async, [&open] { open.set_value(); });
    sound.reset();
    releaser.get();
    EXPECT_EQ(log, (std::vector<std::string>{"InitSound(dir/)"}));
}

}  // namespace
}  // namespace dzwonex
