// The SDL2_mixer binding with real SDL: on the dummy driver (sound is mixed
// and thrown away), on the disk driver (the mix is written to a file that
// is then measured), and with no usable driver at all.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "AudioFiles.h"
#include "DamagedFiles.h"
#include "ReadFile.h"
#include "SdlMixerLibrary.h"
#include "Sound.h"

namespace dzwonex {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::MakeTempDir;
using testing::WriteBytes;
using testing::WriteTinyXm;
using testing::WriteToneWav;

// Tones of the test effects, well above the test tune's notes.
constexpr double kButtonHz = 1500.0;
constexpr double kPageHz = 2500.0;
constexpr double kClickHz = 3500.0;
constexpr int kEffectMs = 150;

bool DriverAvailable(const char* name) {
    for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i) {
        if (std::string(SDL_GetAudioDriver(i)) == name) return true;
    }
    return false;
}

// Waits for the condition. The limit only stops a hang: nothing waits on
// the wall clock for a result.
template <class F>
bool Eventually(F condition, std::chrono::milliseconds limit = 60000ms) {
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(10ms);
    }
    return condition();
}

// A folder with the game's four sound files made by the tests: three tones
// of known pitch, so each effect can be told apart in the mix, and a small
// module of known length.
class SoundFolder {
public:
    SoundFolder() : dir_(MakeTempDir("dzwonex-sound")) {
        WriteToneWav(dir_ / "button.wav", kButtonHz, kEffectMs, 12000);
        WriteToneWav(dir_ / "page.wav", kPageHz, kEffectMs, 12000);
        WriteToneWav(dir_ / "click.wav", kClickHz, kEffectMs, 12000);
        WriteTinyXm(dir_ / "psych.xm");
    }
    ~SoundFolder() {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    const fs::path& Path() const { return dir_; }
    std::string Dir() const { return dir_.string() + "/"; }
    std::string File(const std::string& name) const { return (dir_ / name).string(); }

private:
    fs::path dir_;
};

void UseDriver(const char* name) { ::setenv("SDL_AUDIODRIVER", name, 1); }

constexpr size_t kRate = 44100;
constexpr size_t Frames(std::chrono::milliseconds t) { return static_cast<size_t>(t.count()) * kRate / 1000; }

// The mixer's own clock: the frames mixed so far, counted after each
// buffer, and a script of presses run there, between two buffers, once the
// mix is far enough past the script's start. A busy machine that holds up
// either thread moves nothing in the recording: a sound played by a step
// starts exactly where the step ran. On the disk driver the count is the
// position in the file, after the few buffers of silence SDL may write
// before the mixer starts.
class MixClock {
public:
    struct Step {
        std::chrono::milliseconds at;  // after the script's start
        std::function<void()> press;
    };

    MixClock() { Mix_SetPostMix(&Tick, this); }
    ~MixClock() { Mix_SetPostMix(nullptr, nullptr); }
    MixClock(const MixClock&) = delete;
    MixClock& operator=(const MixClock&) = delete;

    size_t Now() const { return frames_.load(); }
    // Starts the script at the next buffer.
    void Play(std::vector<Step> script) {
        script_ = std::move(script);
        ranAt_.assign(script_.size(), 0);
        armed_ = true;
    }
    // Until the script has run and the mix is `after` past its start (or
    // past now, without a script); false if the mix stalls.
    bool WaitUntil(std::chrono::milliseconds after) const {
        const size_t from = armed_ ? 0 : Now();
        return Eventually([&] {
            if (!armed_) return Now() >= from + Frames(after);
            return started_ && ran_ == script_.size() && Now() >= start_ + Frames(after);
        });
    }
    // Where the script started, and where each step ran, in frames of the mix.
    size_t Start() const { return start_; }
    size_t RanAt(size_t step) const { return ranAt_.at(step); }
    // Once the output is closed: the frames of silence before the mix in the
    // disk driver's recording of `recorded` frames, written while the mixer
    // was starting. Whole buffers, and never many.
    size_t Lead(size_t recorded) const {
        const size_t lead = recorded >= Now() ? recorded - Now() : kNoLead;
        EXPECT_EQ(lead % SdlMixerLibrary::kBufferFrames, 0u) << recorded << " frames recorded, " << Now() << " mixed";
        EXPECT_LE(lead, 8u * SdlMixerLibrary::kBufferFrames) << recorded << " frames recorded, " << Now() << " mixed";
        return lead == kNoLead ? 0 : lead;
    }

private:
    static void Tick(void* self, Uint8*, int bytes) {
        static_cast<MixClock*>(self)->Advance(static_cast<size_t>(bytes) / 4);
    }
    void Advance(size_t frames) {  // on the mixer's thread, between two buffers
        const size_t now = frames_ += frames;
        if (!armed_) return;
        if (!started_) {
            start_ = now;
            started_ = true;
        }
        for (size_t i = ran_; i < script_.size() && now >= start_ + Frames(script_[i].at); i = ++ran_) {
            script_[i].press();
            ranAt_[i] = now;
        }
    }

    static constexpr size_t kNoLead = ~size_t{0};
    std::atomic<size_t> frames_{0};  // 16-bit stereo: 4 bytes a frame
    std::vector<Step> script_;
    std::vector<size_t> ranAt_;
    std::atomic<bool> armed_{false};
    std::atomic<bool> started_{false};
    std::atomic<size_t> start_{0};
    std::atomic<size_t> ran_{0};
};

class SdlMixerDummyTest : public ::testing::Test {
protected:
    void SetUp() override { UseDriver("dummy"); }
    SoundFolder files;
    SdlMixerLibrary lib;

    bool Open() {
        lib.SetOutput(kOutputWave);
        lib.SetDriver(kDriverDefault);
        return lib.Init(kMixRate, kMixChannels, 0);
    }
};

TEST_F(SdlMixerDummyTest, OpensStereo16BitAt44100WithSixteenChannels) {
    ASSERT_TRUE(Open()) << SDL_GetError();
    auto format = lib.OutputFormat();
    ASSERT_TRUE(format.has_value());
    EXPECT_EQ(format->rate, 44100);
    EXPECT_EQ(format->channels, 2);
    EXPECT_EQ(format->bitsPerSample, 16);
    EXPECT_TRUE(format->isSigned);
    EXPECT_FALSE(format->isFloat);

    SampleHandle sample = lib.SampleLoad(0, files.File("page.wav"), kEffectSampleMode, 0);
    ASSERT_TRUE(sample);
    lib.PlaySound(15, sample);
    EXPECT_TRUE(lib.IsChannelPlaying(15));
    lib.PlaySound(16, sample);
    EXPECT_FALSE(lib.IsChannelPlaying(16));
    lib.PlaySound(-1, sample);
    EXPECT_FALSE(lib.IsChannelPlaying(-1));
}

TEST_F(SdlMixerDummyTest, VolumesReachTheMixerAndStartAtFullOnEachOpening) {
    ASSERT_TRUE(Open()) << SDL_GetError();
    lib.SetMusicVolume(40);
    lib.SetEffectsVolume(64);
    EXPECT_EQ(Mix_VolumeMusic(-1), 40);
    // Both voices of a channel: the one playing and the one a replay takes.
    EXPECT_EQ(Mix_Volume(0, -1), 64);
    EXPECT_EQ(Mix_Volume(kMixChannels - 1, -1), 64);
    EXPECT_EQ(Mix_Volume(2 * kMixChannels - 1, -1), 64);
    lib.SetEffectsVolume(1000);
    EXPECT_EQ(Mix_Volume(0, -1), MIX_MAX_VOLUME);
    lib.Close();
    // Closed: nothing changes; a new opening starts at full.
    lib.SetMusicVolume(10);
    ASSERT_TRUE(Open());
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME);
    EXPECT_EQ(Mix_Volume(0, -1), MIX_MAX_VOLUME);
}

TEST_F(SdlMixerDummyTest, MusicLoopsUntilStoppedAndStartsAgain) {
    ASSERT_TRUE(Open()) << SDL_GetError();
    SongHandle song = lib.LoadSong(files.File("psych.xm"));
    ASSERT_TRUE(song) << Mix_GetError();
    EXPECT_FALSE(lib.IsSongPlaying(song));
    MixClock mix;
    lib.PlaySong(song);
    EXPECT_TRUE(lib.IsSongPlaying(song));
    // The test tune is two seconds long; it must still play after its end.
    ASSERT_TRUE(mix.WaitUntil(2500ms));
    EXPECT_TRUE(lib.IsSongPlaying(song));
    lib.StopSong(song);
    EXPECT_FALSE(lib.IsSongPlaying(song));
    lib.StopSong(song);
    lib.PlaySong(song);
    EXPECT_TRUE(lib.IsSongPlaying(song));

    // A second module replaces the first on the one music stream.
    SongHandle other = lib.LoadSong(files.File("psych.xm"));
    ASSERT_TRUE(other);
    lib.PlaySong(other);
    EXPECT_TRUE(lib.IsSongPlaying(other));
    EXPECT_FALSE(lib.IsSongPlaying(song));
    lib.StopSong(song);  // not the one playing
    EXPECT_TRUE(lib.IsSongPlaying(other));
    lib.FreeSong(other);
    EXPECT_FALSE(lib.IsSongPlaying(other));
    lib.FreeSong(song);
}

TEST_F(SdlMixerDummyTest, EffectsPlayOnceOnTheirChannelAndCanBeStopped) {
    ASSERT_TRUE(Open()) << SDL_GetError();
    SampleHandle button = lib.SampleLoad(0, files.File("button.wav"), kEffectSampleMode, 0);
    SampleHandle page = lib.SampleLoad(1, files.File("page.wav"), kEffectSampleMode, 0);
    ASSERT_TRUE(button);
    ASSERT_TRUE(page);
    EXPECT_NE(button, page);

    lib.PlaySound(0, button);
    lib.PlaySound(1, page);
    EXPECT_TRUE(lib.IsChannelPlaying(0));
    EXPECT_TRUE(lib.IsChannelPlaying(1));
    EXPECT_FALSE(lib.IsChannelPlaying(2));
    lib.StopSound(1);
    EXPECT_FALSE(lib.IsChannelPlaying(1));
    EXPECT_TRUE(lib.IsChannelPlaying(0));
    // Loaded without looping: the effect ends by itself.
    EXPECT_TRUE(Eventually([&] { return !lib.IsChannelPlaying(0); }));

    // Freeing a sample that sounds silences its channel.
    lib.PlaySound(0, button);
    lib.SampleFree(button);
    EXPECT_FALSE(lib.IsChannelPlaying(0));
    lib.SampleFree(page);
}

TEST_F(SdlMixerDummyTest, ZeroFreedAndUnknownHandlesDoNothing) {
    ASSERT_TRUE(Open()) << SDL_GetError();
    SongHandle song = lib.LoadSong(files.File("psych.xm"));
    SampleHandle click = lib.SampleLoad(2, files.File("click.wav"), kEffectSampleMode, 0);
    ASSERT_TRUE(song);
    ASSERT_TRUE(click);

    for (SongHandle h : {SongHandle{}, SongHandle{999}}) {
        lib.PlaySong(h);
        EXPECT_FALSE(lib.IsSongPlaying(h));
        lib.StopSong(h);
        lib.FreeSong(h);
    }
    for (SampleHandle h : {SampleHandle{}, SampleHandle{999}}) {
        lib.PlaySound(2, h);
        EXPECT_FALSE(lib.IsChannelPlaying(2));
        lib.SampleFree(h);
    }
    lib.StopSound(-5);
    lib.StopSound(99);
    EXPECT_FALSE(lib.IsChannelPlaying(99));

    // A zero song does not stop the music that plays.
    lib.PlaySong(song);
    lib.StopSong(SongHandle{});
    EXPECT_TRUE(lib.IsSongPlaying(song));

    // Freed handles are dead, and a second free is harmless.
    lib.FreeSong(song);
    lib.FreeSong(song);
    lib.PlaySong(song);
    EXPECT_FALSE(lib.IsSongPlaying(song));
    lib.SampleFree(click);
    lib.SampleFree(click);
    lib.PlaySound(2, click);
    EXPECT_FALSE(lib.IsChannelPlaying(2));
}

TEST_F(SdlMixerDummyTest, MissingAndCorruptFilesLoadAsZeroAndTheRestStillPlays) {
    ASSERT_TRUE(Open()) << SDL_GetError();
    const fs::path dir = files.Path();
    std::vector<uint8_t> noise(4096);
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<uint8_t>((i * 2654435761u) >> 13);
    WriteBytes(dir / "noise.wav", noise);
    WriteBytes(dir / "noise.xm", noise);
    WriteBytes(dir / "empty.wav", {});
    WriteBytes(dir / "empty.xm", {});
    // A WAV cut off inside its header, and an XM cut off inside its header.
    WriteBytes(dir / "cut.wav", {'R', 'I', 'F', 'F', 0x24, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't'});
    const std::string xmStart = "Extended Module: cut";
    WriteBytes(dir / "cut.xm", std::vector<uint8_t>(xmStart.begin(), xmStart.end()));

    for (const char* name : {"absent.xm", "noise.xm", "empty.xm", "cut.xm", "absent/psych.xm"}) {
        EXPECT_FALSE(lib.LoadSong((dir / name).string())) << name;
    }
    for (const char* name : {"absent.wav", "noise.wav", "empty.wav", "cut.wav"}) {
        EXPECT_FALSE(lib.SampleLoad(0, (dir / name).string(), kEffectSampleMode, 0)) << name;
    }
    // Not files at all: none reaches the mixer, none waits (a pipe has no
    // writer), none is read without end (/dev/zero).
    for (const auto& damage : testing::FileSystemDamages(kMusicFileLimit)) {
        WriteTinyXm(dir / "bad.xm");
        WriteToneWav(dir / "bad.wav", kClickHz, kEffectMs, 12000);
        damage.apply(dir / "bad.xm");
        damage.apply(dir / "bad.wav");
        EXPECT_FALSE(lib.LoadSong((dir / "bad.xm").string())) << damage.what;
        EXPECT_FALSE(lib.SampleLoad(0, (dir / "bad.wav").string(), kEffectSampleMode, 0)) << damage.what;
        fs::remove_all(dir / "bad.xm");
        fs::remove_all(dir / "bad.wav");
    }

    SongHandle song = lib.LoadSong(files.File("psych.xm"));
    SampleHandle page = lib.SampleLoad(1, files.File("page.wav"), kEffectSampleMode, 0);
    ASSERT_TRUE(song);
    ASSERT_TRUE(page);
    lib.PlaySong(song);
    lib.PlaySound(1, page);
    EXPECT_TRUE(lib.IsSongPlaying(song));
    EXPECT_TRUE(lib.IsChannelPlaying(1));
}

TEST_F(SdlMixerDummyTest, ClosedLibraryIgnoresEverythingAndOpensAgain) {
    // Nothing loads before the output is open.
    EXPECT_FALSE(lib.LoadSong(files.File("psych.xm")));
    EXPECT_FALSE(lib.SampleLoad(0, files.File("button.wav"), kEffectSampleMode, 0));
    lib.Close();

    ASSERT_TRUE(Open()) << SDL_GetError();
    SongHandle song = lib.LoadSong(files.File("psych.xm"));
    SampleHandle button = lib.SampleLoad(0, files.File("button.wav"), kEffectSampleMode, 0);
    lib.PlaySong(song);
    lib.PlaySound(0, button);
    // Closed with both still loaded and sounding: the library frees them,
    // and SDL goes as a whole (its settings with it), since nothing else
    // of it runs.
    lib.Close();
    EXPECT_FALSE(lib.IsOpen());
    EXPECT_FALSE(lib.OutputFormat().has_value());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
    EXPECT_EQ(SDL_GetHint(SDL_HINT_NO_SIGNAL_HANDLERS), nullptr) << "SDL was not shut down";
    lib.PlaySong(song);
    lib.PlaySound(0, button);
    EXPECT_FALSE(lib.IsSongPlaying(song));
    EXPECT_FALSE(lib.IsChannelPlaying(0));
    lib.StopSong(song);
    lib.StopSound(0);
    lib.FreeSong(song);
    lib.SampleFree(button);
    lib.Close();

    ASSERT_TRUE(Open()) << SDL_GetError();
    SongHandle again = lib.LoadSong(files.File("psych.xm"));
    ASSERT_TRUE(again);
    lib.PlaySong(again);
    EXPECT_TRUE(lib.IsSongPlaying(again));
    EXPECT_FALSE(lib.IsSongPlaying(song));
}

// A part of SDL that someone else started is left running.
TEST_F(SdlMixerDummyTest, ClosingLeavesTheRestOfSdlAlone) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
    ASSERT_TRUE(Open()) << SDL_GetError();
    lib.Close();
    EXPECT_FALSE(SDL_WasInit(SDL_INIT_AUDIO));
    EXPECT_TRUE(SDL_WasInit(SDL_INIT_EVENTS));
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
    SDL_Quit();
}

TEST_F(SdlMixerDummyTest, NoSoundOutputOpensNothing) {
    lib.SetOutput(kOutputNoSound);
    EXPECT_FALSE(lib.Init(kMixRate, kMixChannels, 0));
    EXPECT_FALSE(lib.IsOpen());
    EXPECT_FALSE(lib.LoadSong(files.File("psych.xm")));
}

// Without a usable driver, or without the libraries themselves, the game
// goes on silently; only a library that is missing is told, and once.
TEST(SdlMixerSilentTest, TheGameGoesOnSilentlyAndOnlyAMissingLibraryIsTold) {
    struct Row {
        const char* what;
        SdlLibraryNames names;
        const char* driver;
        std::string missing;  // the library told, if any
        std::string reasonHas;
    };
    const SdlLibraryNames installed;
    const Row rows[] = {
        {"no usable driver", installed, "no-such-audio-driver", "", ""},
        {"no SDL2_mixer",
         {installed.sdl, "libdzwonex-no-such-mixer.so.0"},
         "dummy",
         "libdzwonex-no-such-mixer.so.0",
         ""},
        {"no SDL2", {"libdzwonex-no-such-sdl.so.0", installed.mixer}, "dummy", "libdzwonex-no-such-sdl.so.0", ""},
        // A library by the name, but without SDL2_mixer's functions.
        {"not SDL2_mixer", {installed.sdl, "libm.so.6"}, "dummy", "libm.so.6", "Mix_"},
    };
    SoundFolder files;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        UseDriver(row.driver);
        TSound sound(std::make_unique<SdlMixerLibrary>(row.names));
        auto& lib = dynamic_cast<SdlMixerLibrary&>(sound.Library());
        std::vector<std::string> told;
        sound.WhenSilent([&](const std::string& library, const std::string& reason) {
            EXPECT_FALSE(reason.empty());
            EXPECT_EQ(reason.find(library), std::string::npos) << "the name twice: " << reason;
            EXPECT_NE(reason.find(row.reasonHas), std::string::npos) << reason;
            told.push_back(library);
        });
        // Nothing is loaded before the sound opens.
        EXPECT_FALSE(lib.Missing());
        for (int opening = 0; opening < 2; ++opening) {
            sound.InitSound(files.Dir());
            EXPECT_FALSE(lib.IsOpen());
            EXPECT_FALSE(SDL_WasInit(SDL_INIT_AUDIO));
            EXPECT_FALSE(sound.Music());
            EXPECT_FALSE(sound.ButtonSample());
            EXPECT_FALSE(sound.PageSample());
            EXPECT_FALSE(sound.ClickSample());
            for (int round = 0; round < 3; ++round) {
                sound.PlayButtonSound();
                sound.PlayPageSound();
                sound.PlayClickSound();
                sound.SetMusicOn(false);
                sound.SetMusicOn(true);
                sound.SetMusicVolume(30);
            }
            for (int channel = 0; channel < 3; ++channel) EXPECT_FALSE(lib.IsChannelPlaying(channel));
            EXPECT_FALSE(lib.IsSongPlaying(sound.Music()));
            EXPECT_FALSE(lib.OutputFormat());
            sound.DoneSound();
            sound.DoneSound();
            EXPECT_FALSE(sound.IsOpen());
        }
        EXPECT_EQ(told, row.missing.empty() ? std::vector<std::string>{} : std::vector<std::string>{row.missing});
        EXPECT_EQ(lib.Missing().has_value(), !row.missing.empty());
    }
}

// --- The disk driver: what the player would hear ---

struct Burst {
    size_t begin = 0;  // first and one past the last block
    size_t end = 0;
};

// Runs of consecutive blocks whose flag is set.
std::vector<Burst> Bursts(const std::vector<bool>& flags) {
    std::vector<Burst> runs;
    for (size_t i = 0; i < flags.size(); ++i) {
        if (!flags[i]) continue;
        if (!runs.empty() && runs.back().end == i) {
            runs.back().end = i + 1;
        } else {
            runs.push_back({i, i + 1});
        }
    }
    return runs;
}

TEST(SdlMixerDiskTest, MusicAndEffectsAreHeardAtTheirMoments) {
    SoundFolder files;
    if (!DriverAvailable("disk")) GTEST_SKIP() << "SDL was built without its disk audio driver";
    const fs::path raw = files.Path() / "out.raw";
    UseDriver("disk");
    ::setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
    ::unsetenv("SDL_DISKAUDIODELAY");  // real time

    TSound sound(std::make_unique<SdlMixerLibrary>());
    auto& lib = dynamic_cast<SdlMixerLibrary&>(sound.Library());
    MixClock mix;
    sound.InitSound(files.Dir());
    ASSERT_TRUE(lib.IsOpen()) << SDL_GetError();
    auto format = lib.OutputFormat();
    ASSERT_TRUE(format.has_value());
    ASSERT_EQ(format->rate, 44100);
    ASSERT_EQ(format->channels, 2);
    ASSERT_EQ(format->bitsPerSample, 16);
    ASSERT_TRUE(format->isSigned);
    ASSERT_FALSE(format->bigEndian);
    ASSERT_TRUE(sound.Music());
    ASSERT_TRUE(sound.ButtonSample() && sound.PageSample() && sound.ClickSample());

    // A scripted player: OK, a page change, a press on the map, then OK and
    // a page change together.
    mix.Play({{700ms, [&] { sound.PlayButtonSound(); }},
              {1300ms, [&] { sound.PlayPageSound(); }},
              {1900ms, [&] { sound.PlayClickSound(); }},
              {2500ms, [&] {
                   sound.PlayButtonSound();
                   sound.PlayPageSound();
               }}});
    ASSERT_TRUE(mix.WaitUntil(3100ms)) << "the mixer stalled";
    sound.DoneSound();

    const auto interleaved = testing::ReadRawS16(raw);
    const auto left = testing::Channel(interleaved, 2, 0);
    const auto right = testing::Channel(interleaved, 2, 1);
    const int rate = 44100;
    ASSERT_GT(left.size(), static_cast<size_t>(rate * 2)) << "the disk driver wrote too little";
    const size_t lead = mix.Lead(left.size());

    // 10 ms blocks.
    const size_t block = rate / 100;
    const size_t blocks = left.size() / block;
    auto tone = [&](double hz) {
        std::vector<double> power(blocks);
        for (size_t b = 0; b < blocks; ++b) power[b] = testing::TonePower(left, b * block, (b + 1) * block, hz, rate);
        return power;
    };
    const auto button = tone(kButtonHz), page = tone(kPageHz), click = tone(kClickHz);

    // The music alone before the first press: heard, and without the tones.
    const size_t musicBegin = (mix.Start() + lead) / block + 5;
    const size_t musicEnd = musicBegin + 40;  // 0.45 s after the start
    ASSERT_LT(musicEnd, blocks);
    double musicRms = testing::Rms(left, musicBegin * block, musicEnd * block);
    double musicRmsRight = testing::Rms(right, musicBegin * block, musicEnd * block);
    EXPECT_GT(musicRms, 0.003) << "the music is silent";
    EXPECT_GT(musicRmsRight, 0.003) << "the music is silent on the right";
    double quiet = 0.0;
    for (const auto* p : {&button, &page, &click}) {
        for (size_t b = musicBegin; b < musicEnd; ++b) quiet = std::max(quiet, (*p)[b]);
    }
    // A test tone at the level written gives about 0.03.
    const double threshold = std::max(1e-3, 20 * quiet);
    auto heard = [&](const std::vector<double>& power) {
        std::vector<bool> on(blocks);
        for (size_t b = 0; b < blocks; ++b) on[b] = power[b] > threshold;
        return Bursts(on);
    };
    const auto buttonRuns = heard(button), pageRuns = heard(page), clickRuns = heard(click);
    auto show = [](const char* n, const std::vector<Burst>& r) {
        std::string t = n;
        for (auto& x : r) t += " [" + std::to_string(x.begin) + "," + std::to_string(x.end) + ")";
        std::printf("%s\n", t.c_str());
    };
    std::printf("music rms %.4f/%.4f quiet %.3g threshold %.3g blocks %zu\n", musicRms, musicRmsRight, quiet, threshold,
                blocks);
    show("button", buttonRuns);
    show("page", pageRuns);
    show("click", clickRuns);
    ASSERT_EQ(buttonRuns.size(), 2u) << "the button sound must be heard twice";
    ASSERT_EQ(pageRuns.size(), 2u) << "the page sound must be heard twice";
    ASSERT_EQ(clickRuns.size(), 1u) << "the click sound must be heard once";

    // Each where its press ran, to the block: OK and the page change
    // together sound together.
    auto at = [&](size_t step) { return static_cast<double>((mix.RanAt(step) + lead) / block); };
    EXPECT_NEAR(static_cast<double>(buttonRuns[0].begin), at(0), 1.0);
    EXPECT_NEAR(static_cast<double>(pageRuns[0].begin), at(1), 1.0);
    EXPECT_NEAR(static_cast<double>(clickRuns[0].begin), at(2), 1.0);
    EXPECT_NEAR(static_cast<double>(buttonRuns[1].begin), at(3), 1.0);
    EXPECT_NEAR(static_cast<double>(pageRuns[1].begin), at(3), 1.0);

    // Each effect plays once through: about 150 ms, not looping.
    for (const auto& runs : {buttonRuns, pageRuns, clickRuns}) {
        for (const Burst& r : runs) {
            EXPECT_GE(r.end - r.begin, 10u);
            EXPECT_LE(r.end - r.begin, 20u);
        }
    }

    // The effects add to the music rather than replace it.
    const Burst& b = buttonRuns[0];
    double withEffect = testing::Rms(left, (b.begin + 2) * block, (b.end - 2) * block);
    EXPECT_GT(withEffect, 2 * musicRms);
    const size_t between = (pageRuns[0].end + clickRuns[0].begin) / 2;
    EXPECT_GT(testing::Rms(left, (between - 5) * block, (between + 5) * block), 0.003)
        << "the music stopped under the effects";

    // Nothing near full scale: no clipping.
    int peak = 0;
    for (int16_t s : interleaved) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_LT(peak, 32000);
}

// Where an effect sits in a mix: the offset at which it explains the most
// of the mix's energy, and its gain there (least squares).
struct Fit {
    size_t offset = 0;
    double gain = 0.0;
    double effectToRest = 0.0;  // energy of the fitted effect over the rest
};

[[maybe_unused]] Fit FitEffect(const std::vector<double>& mix, const std::vector<double>& effect, size_t from,
                               size_t to) {
    // The offset is found with the loudest 50 ms of the effect; the gain
    // and the comparison use the whole effect.
    const size_t head = std::min<size_t>(effect.size(), 2205);
    size_t start = 0;
    double headEnergy = 0.0;
    for (size_t k = 0; k + head <= effect.size(); k += 441) {
        double e = 0.0;
        for (size_t i = k; i < k + head; ++i) e += effect[i] * effect[i];
        if (e > headEnergy) {
            headEnergy = e;
            start = k;
        }
    }
    Fit best;
    double bestExplained = -1.0;
    for (size_t offset = from; offset < to && offset + effect.size() <= mix.size(); ++offset) {
        double re = 0.0;
        for (size_t i = start; i < start + head; ++i) re += mix[offset + i] * effect[i];
        const double explained = re * re / headEnergy;
        if (explained > bestExplained) {
            bestExplained = explained;
            best.offset = offset;
        }
    }
    double re = 0.0, ee = 0.0;
    for (size_t i = 0; i < effect.size() && best.offset + i < mix.size(); ++i) {
        re += mix[best.offset + i] * effect[i];
        ee += effect[i] * effect[i];
    }
    best.gain = re / ee;
    double rest = 0.0;
    for (size_t i = 0; i < effect.size() && best.offset + i < mix.size(); ++i) {
        const double r = mix[best.offset + i] - best.gain * effect[i];
        rest += r * r;
    }
    best.effectToRest = rest > 0.0 ? best.gain * best.gain * ee / rest : 1e9;
    return best;
}

// The game's own generated sounds, as the player hears them.
TEST(SdlMixerDiskTest, GameMusicAndEffectsAreHeard) {
#ifndef DZWONEX_TEST_ASSET_DIR
    GTEST_SKIP() << "the asset generator is not part of this build";
#else
    const fs::path assets = DZWONEX_TEST_ASSET_DIR;
    for (const char* name : {"psych.xm", "button.wav", "page.wav", "click.wav"}) {
        ASSERT_TRUE(fs::exists(assets / name)) << name << " was not generated";
    }
    if (!testing::XmHasNotes(assets / "psych.xm")) GTEST_SKIP() << "the generated psych.xm holds no notes yet";
    if (!DriverAvailable("disk")) GTEST_SKIP() << "SDL was built without its disk audio driver";
    const fs::path dir = MakeTempDir("dzwonex-game-sound");
    const fs::path raw = dir / "out.raw";
    UseDriver("disk");
    ::setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);

    struct Press {
        std::chrono::milliseconds at;  // after the music has started
        void (TSound::*play)();
        const char* file;
    };
    const Press presses[] = {
        {1500ms, &TSound::PlayButtonSound, "button.wav"},
        {2100ms, &TSound::PlayPageSound, "page.wav"},
        {2700ms, &TSound::PlayClickSound, "click.wav"},
    };
    double effectsGain = 0;  // the effects' share of full volume
    MixClock mix;
    {
        TSound sound(std::make_unique<SdlMixerLibrary>());
        effectsGain = std::round(sound.EffectsVolume() * kFullVolume / 100.0) / kFullVolume;
        sound.InitSound(assets.string() + "/");
        ASSERT_TRUE(sound.Music());
        std::vector<MixClock::Step> script;
        for (const Press& p : presses) script.push_back({p.at, [&sound, &p] { (sound.*p.play)(); }});
        mix.Play(std::move(script));
        ASSERT_TRUE(mix.WaitUntil(3300ms)) << "the mixer stalled";
        sound.DoneSound();
    }
    const auto interleaved = testing::ReadRawS16(raw);
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    const auto left = testing::Channel(interleaved, 2, 0);
    const auto right = testing::Channel(interleaved, 2, 1);
    const size_t rate = kRate;
    ASSERT_GT(left.size(), rate * 3);
    const size_t lead = mix.Lead(left.size());

    // The music alone, from 0.2 s to 1.4 s after it started.
    const size_t start = mix.Start() + lead;
    const double musicLeft = testing::Rms(left, start + rate / 5, start + rate * 14 / 10);
    const double musicRight = testing::Rms(right, start + rate / 5, start + rate * 14 / 10);
    std::printf("music rms %.4f / %.4f\n", musicLeft, musicRight);
    EXPECT_GT(musicLeft, 0.01) << "the music is not heard";
    EXPECT_GT(musicRight, 0.01) << "the music is not heard";

    // Each effect is in the mix whole, at its own level times the effects
    // volume, where it was played: found by correlation within 0.3 s either
    // side, it must start at the very frame its press ran.
    std::vector<double> mono(left.size());
    for (size_t i = 0; i < left.size(); ++i) mono[i] = 0.5 * (left[i] + right[i]);
    for (size_t step = 0; step < std::size(presses); ++step) {
        const Press& p = presses[step];
        const auto effect = testing::ReadWav16(assets / p.file);
        ASSERT_GT(testing::Rms(effect, 0, effect.size()), 0.01) << p.file << " is silent or not 16-bit PCM";
        const size_t expected = mix.RanAt(step) + lead;
        const Fit fit = FitEffect(mono, effect, expected - rate * 3 / 10, expected + rate * 3 / 10);
        std::printf("%s: at %.4f s (played at %.4f s), gain %.3f, %.1f dB over the music\n", p.file,
                    static_cast<double>(fit.offset) / rate, static_cast<double>(expected) / rate, fit.gain,
                    10 * std::log10(fit.effectToRest));
        EXPECT_NEAR(fit.gain, effectsGain, 0.1) << p.file;
        EXPECT_GT(fit.effectToRest, 1.0) << p.file << " is drowned by the music";
        EXPECT_EQ(fit.offset, expected) << p.file << " is not where it was played";
    }

    int full = 0;
    for (int16_t v : interleaved) full += (v == 32767 || v == -32768);
    EXPECT_EQ(full, 0) << "clipped samples";
#endif
}

// An effect replayed while it sounds plays on the channel's other voice
// while the first fades out; stopping the channel silences both at once.
TEST_F(SdlMixerDummyTest, StoppingAReplayedEffectSilencesBothItsVoices) {
    ASSERT_TRUE(Open()) << SDL_GetError();
    testing::WritePlateauWav(files.Path() / "long.wav", 10000, 400);
    SampleHandle sample = lib.SampleLoad(0, files.File("long.wav"), kEffectSampleMode, 0);
    ASSERT_TRUE(sample);
    for (int channel : {kButtonChannel, kClickChannel}) {
        // The game's channel and its second voice, numbered past the channels.
        const int voices[] = {channel, channel + kMixChannels};
        lib.PlaySound(channel, sample);
        lib.PlaySound(channel, sample);
        EXPECT_TRUE(Mix_Playing(voices[0]) && Mix_Playing(voices[1])) << "the replay did not take the second voice";
        lib.StopSound(channel);
        EXPECT_FALSE(lib.IsChannelPlaying(channel));
        EXPECT_EQ(Mix_Playing(voices[0]), 0) << "channel " << channel;
        EXPECT_EQ(Mix_Playing(voices[1]), 0) << "channel " << channel;
    }
}

// Pressing OK while the button sound still plays replaces it. The probe
// sample is a flat level, so a cut in the middle would jump by the whole
// level from one sample to the next, and two copies at once would double it.
TEST(SdlMixerDiskTest, ReplayedEffectTakesOverWithoutAClick) {
    if (!DriverAvailable("disk")) GTEST_SKIP() << "SDL was built without its disk audio driver";
    const fs::path dir = MakeTempDir("dzwonex-replay");
    const fs::path raw = dir / "out.raw";
    constexpr int kLevel = 10000;
    testing::WritePlateauWav(dir / "flat.wav", kLevel, 400);
    UseDriver("disk");
    ::setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);

    {
        SdlMixerLibrary lib;
        ASSERT_TRUE(lib.Init(kMixRate, kMixChannels, 0)) << SDL_GetError();
        SampleHandle flat = lib.SampleLoad(0, (dir / "flat.wav").string(), kEffectSampleMode, 0);
        ASSERT_TRUE(flat);
        MixClock mix;
        std::atomic<int> playing{0};
        auto press = [&] {
            lib.PlaySound(0, flat);
            playing += lib.IsChannelPlaying(0);
        };
        mix.Play({{100ms, press}, {250ms, press}, {400ms, press}});
        ASSERT_TRUE(mix.WaitUntil(1000ms)) << "the mixer stalled";
        EXPECT_EQ(playing, 3);
        EXPECT_FALSE(lib.IsChannelPlaying(0));
        lib.Close();
    }

    const auto left = testing::Channel(testing::ReadRawS16(raw), 2, 0);
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    ASSERT_GT(left.size(), 44100u / 2);
    double jump = 0.0;
    size_t flatFrames = 0, aboveFrames = 0;
    for (size_t i = 0; i < left.size(); ++i) {
        if (i > 0) jump = std::max(jump, std::abs(left[i] - left[i - 1]));
        if (std::abs(left[i] * 32768 - kLevel) < 10) ++flatFrames;
        if (left[i] * 32768 > kLevel * 1.02) ++aboveFrames;
    }
    std::printf("largest step %.0f, frames at the level %zu, above it %zu\n", jump * 32768, flatFrames, aboveFrames);
    // One voice at a time: the old play and the new overlap only while the
    // old one fades, 10 ms for each of the two replays (two copies sounding
    // together would stay above the level for 150 ms each time).
    EXPECT_LE(aboveFrames, 2u * 1024u);
    // Ramps only: 5 ms in, 10 ms out, a few hundred per sample at most.
    EXPECT_LT(jump * 32768, 500);
    // The level held through all three plays: about 150 + 150 + 400 ms.
    EXPECT_GT(flatFrames, 44100u * 6 / 10);
}

}  // namespace
}  // namespace dzwonex
