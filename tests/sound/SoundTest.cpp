// TSound against a recording stand-in for the sound library: the calls it
// makes, their order and arguments, and what sounds afterwards.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FakeAudioLibrary.h"
#include "Sound.h"

namespace dzwonex {
namespace {

using ::testing::ElementsAre;
using testing::FakeAudioLibrary;
using ::testing::IsEmpty;

const std::string kDir = "/opt/dzwonex/";

class SoundTest : public ::testing::Test {
protected:
    FakeAudioLibrary lib;
    TSound sound{lib};

    void TearDown() override { EXPECT_THAT(lib.misuse, IsEmpty()); }

    // InitSound with every file present; handles come out as music 1,
    // button 2, page 3, click 4.
    void Start() {
        sound.InitSound(kDir);
        lib.Clear();
    }
};

TEST_F(SoundTest, InitSoundOpensLoadsAndStartsTheMusicInOrder) {
    // Volumes chosen while closed wait for the opening: 50 % and 25 % of 128.
    sound.SetMusicVolume(50);
    sound.SetEffectsVolume(25);
    EXPECT_THAT(lib.calls, IsEmpty());
    sound.InitSound(kDir);
    EXPECT_THAT(lib.calls, ElementsAre("SetOutput(1)", "SetDriver(0)", "Init(44100,16,0)", "SetMusicVolume(64)",
                                       "SetEffectsVolume(32)", "LoadSong(/opt/dzwonex/psych.xm)=1",
                                       "SampleLoad(0,/opt/dzwonex/button.wav,305,0)=2",
                                       "SampleLoad(1,/opt/dzwonex/page.wav,305,0)=3",
                                       "SampleLoad(2,/opt/dzwonex/click.wav,305,0)=4", "PlaySong(1)"));
    EXPECT_EQ(sound.Music().id, 1u);
    EXPECT_EQ(sound.ButtonSample().id, 2u);
    EXPECT_EQ(sound.PageSample().id, 3u);
    EXPECT_EQ(sound.ClickSample().id, 4u);
    EXPECT_EQ(lib.playingSong, 1u);
    EXPECT_TRUE(sound.IsOpen());

    // A second start while open changes nothing.
    lib.Clear();
    sound.InitSound(kDir);
    EXPECT_THAT(lib.calls, IsEmpty());
}

TEST_F(SoundTest, DoneSoundStopsAllThatSoundsThenFreesClickPageButtonThenCloses) {
    Start();
    sound.PlayButtonSound();
    sound.PlayPageSound();
    sound.PlayClickSound();
    lib.Clear();

    sound.DoneSound();
    EXPECT_THAT(lib.calls, ElementsAre("IsSongPlaying(1)=1", "StopSong(1)", "IsChannelPlaying(2)=1", "StopSound(2)",
                                       "IsChannelPlaying(1)=1", "StopSound(1)", "IsChannelPlaying(0)=1", "StopSound(0)",
                                       "FreeSong(1)", "SampleFree(4)", "SampleFree(3)", "SampleFree(2)", "Close()"));
    EXPECT_TRUE(lib.songs.empty());
    EXPECT_TRUE(lib.samples.empty());
    EXPECT_FALSE(sound.IsOpen());
}

TEST_F(SoundTest, DoneSoundStopsOnlyWhatStillSounds) {
    Start();
    sound.SetMusicOn(false);
    sound.PlayPageSound();
    lib.Clear();

    sound.DoneSound();
    EXPECT_THAT(lib.calls, ElementsAre("IsSongPlaying(1)=0", "IsChannelPlaying(2)=0", "IsChannelPlaying(1)=1",
                                       "StopSound(1)", "IsChannelPlaying(0)=0", "FreeSong(1)", "SampleFree(4)",
                                       "SampleFree(3)", "SampleFree(2)", "Close()"));
}

TEST_F(SoundTest, DoneSoundRunsOnceAndOnlyAfterInitSound) {
    {
        FakeAudioLibrary never;
        TSound unused{never};
        unused.DoneSound();
        unused.PlayButtonSound();
        unused.SetMusicOn(true);
        EXPECT_THAT(never.calls, IsEmpty());
    }

    Start();
    sound.DoneSound();
    lib.Clear();
    sound.DoneSound();
    sound.PlayButtonSound();
    sound.PlayPageSound();
    sound.PlayClickSound();
    sound.SetMusicOn(true);
    EXPECT_THAT(lib.calls, IsEmpty());
    EXPECT_EQ(sound.Music().id, 0u);
    EXPECT_EQ(sound.ButtonSample().id, 0u);

    // The library can be started again afterwards.
    sound.InitSound(kDir);
    EXPECT_TRUE(lib.open);
    EXPECT_NE(lib.playingSong, 0u);
}

TEST_F(SoundTest, DestroyingAnOpenSoundShutsTheLibraryDown) {
    FakeAudioLibrary other;
    {
        TSound s{other};
        s.InitSound(kDir);
        s.PlayClickSound();
        other.Clear();
    }
    ASSERT_FALSE(other.calls.empty());
    EXPECT_EQ(other.calls.back(), "Close()");
    EXPECT_TRUE(other.songs.empty());
    EXPECT_TRUE(other.samples.empty());
    EXPECT_THAT(other.misuse, IsEmpty());
}

TEST_F(SoundTest, OwnedLibraryIsUsedAndShutDown) {
    auto owned = std::make_unique<FakeAudioLibrary>();
    FakeAudioLibrary* raw = owned.get();
    auto s = std::make_unique<TSound>(std::move(owned));
    s->InitSound(kDir);
    s->PlayPageSound();
    EXPECT_TRUE(raw->Sounding(1));
    EXPECT_EQ(&s->Library(), raw);
    s->DoneSound();
    EXPECT_EQ(raw->calls.back(), "Close()");
}

TEST_F(SoundTest, VolumesReachTheOpenLibraryHeldToTheirRange) {
    Start();
    sound.SetMusicVolume(100);
    sound.SetEffectsVolume(0);
    EXPECT_THAT(lib.calls, ElementsAre("SetMusicVolume(128)", "SetEffectsVolume(0)"));
    sound.SetMusicVolume(150);
    sound.SetEffectsVolume(-5);
    EXPECT_EQ(sound.MusicVolume(), 100);
    EXPECT_EQ(sound.EffectsVolume(), 0);
    EXPECT_EQ(lib.musicVolume, 128);
    EXPECT_EQ(lib.effectsVolume, 0);

    // Kept across a reopening, which starts the library at full again.
    sound.DoneSound();
    lib.musicVolume = lib.effectsVolume = kFullVolume;
    sound.InitSound(kDir);
    EXPECT_EQ(lib.musicVolume, 128);
    EXPECT_EQ(lib.effectsVolume, 0);
}

TEST_F(SoundTest, MuzykaBoxStopsAndRestartsTheMusic) {
    Start();

    // Ticked while the music plays: nothing to do.
    sound.SetMusicOn(true);
    EXPECT_THAT(lib.calls, ElementsAre("IsSongPlaying(1)=1"));

    // Unticked while it plays: it stops.
    lib.Clear();
    sound.SetMusicOn(false);
    EXPECT_THAT(lib.calls, ElementsAre("IsSongPlaying(1)=1", "StopSong(1)"));
    EXPECT_EQ(lib.playingSong, 0u);

    // Unticked while stopped: nothing to do.
    lib.Clear();
    sound.SetMusicOn(false);
    EXPECT_THAT(lib.calls, ElementsAre("IsSongPlaying(1)=0"));

    // Ticked again: it starts.
    lib.Clear();
    sound.SetMusicOn(true);
    EXPECT_THAT(lib.calls, ElementsAre("IsSongPlaying(1)=0", "PlaySong(1)"));
    EXPECT_EQ(lib.playingSong, 1u);
}

TEST_F(SoundTest, MuzykaBoxAfterTheModuleEndedByItself) {
    Start();
    lib.EndSong();  // the box is still ticked

    sound.SetMusicOn(false);
    EXPECT_THAT(lib.calls, ElementsAre("IsSongPlaying(1)=0"));

    lib.Clear();
    sound.SetMusicOn(true);
    EXPECT_THAT(lib.calls, ElementsAre("IsSongPlaying(1)=0", "PlaySong(1)"));
    EXPECT_EQ(lib.playingSong, 1u);
}

TEST_F(SoundTest, EachEffectSoundsOnItsOwnChannel) {
    Start();
    sound.PlayButtonSound();
    sound.PlayPageSound();
    sound.PlayClickSound();
    EXPECT_THAT(lib.calls, ElementsAre("PlaySound(0,2)", "PlaySound(1,3)", "PlaySound(2,4)"));
    EXPECT_EQ(lib.SampleOn(0), kDir + "button.wav");
    EXPECT_EQ(lib.SampleOn(1), kDir + "page.wav");
    EXPECT_EQ(lib.SampleOn(2), kDir + "click.wav");
    for (int channel = 3; channel < FakeAudioLibrary::kChannels; ++channel) {
        EXPECT_FALSE(lib.Sounding(channel)) << "channel " << channel;
    }
}

TEST_F(SoundTest, OkTwiceRestartsTheButtonSoundWhileAPageChangeSoundsAlongside) {
    Start();
    sound.PlayButtonSound();
    sound.PlayButtonSound();
    sound.PlayPageSound();
    EXPECT_EQ(lib.channelStarts[0], 2);
    EXPECT_EQ(lib.SampleOn(0), kDir + "button.wav");
    EXPECT_EQ(lib.SampleOn(1), kDir + "page.wav");
    EXPECT_FALSE(lib.Sounding(2));

    // When the button sound ends, the page sound goes on.
    lib.EndChannel(0);
    EXPECT_TRUE(lib.Sounding(1));
}

TEST_F(SoundTest, EffectsSoundWhileTheMusicIsOff) {
    Start();
    sound.SetMusicOn(false);
    sound.PlayClickSound();
    EXPECT_EQ(lib.SampleOn(2), kDir + "click.wav");
    EXPECT_EQ(lib.playingSong, 0u);
}

TEST_F(SoundTest, MissingButtonWavSilencesOnlyTheButtons) {
    lib.missingFiles.insert(kDir + "button.wav");
    sound.InitSound(kDir);
    EXPECT_EQ(sound.ButtonSample().id, 0u);
    EXPECT_NE(sound.PageSample().id, 0u);
    EXPECT_NE(sound.ClickSample().id, 0u);
    EXPECT_EQ(lib.playingSong, sound.Music().id);

    sound.PlayButtonSound();
    sound.PlayPageSound();
    sound.PlayClickSound();
    EXPECT_FALSE(lib.Sounding(0));
    EXPECT_EQ(lib.SampleOn(1), kDir + "page.wav");
    EXPECT_EQ(lib.SampleOn(2), kDir + "click.wav");

    sound.SetMusicOn(false);
    EXPECT_EQ(lib.playingSong, 0u);
    sound.SetMusicOn(true);
    EXPECT_EQ(lib.playingSong, sound.Music().id);

    lib.Clear();
    sound.DoneSound();
    EXPECT_EQ(lib.calls.back(), "Close()");
    EXPECT_TRUE(lib.samples.empty());
}

TEST_F(SoundTest, LibraryThatDidNotStartLeavesEveryOperationSilent) {
    lib.initSucceeds = false;
    sound.InitSound(kDir);
    EXPECT_EQ(sound.Music().id, 0u);
    EXPECT_EQ(sound.ButtonSample().id, 0u);
    EXPECT_EQ(sound.PageSample().id, 0u);
    EXPECT_EQ(sound.ClickSample().id, 0u);

    sound.PlayButtonSound();
    sound.PlayPageSound();
    sound.PlayClickSound();
    sound.SetMusicOn(false);
    sound.SetMusicOn(true);
    for (int channel = 0; channel < FakeAudioLibrary::kChannels; ++channel) EXPECT_FALSE(lib.Sounding(channel));
    EXPECT_EQ(lib.playingSong, 0u);

    sound.DoneSound();
    EXPECT_EQ(lib.calls.back(), "Close()");
}

}  // namespace
}  // namespace dzwonex
