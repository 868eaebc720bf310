// psych.xm, played offline by libopenmpt and libmodplug, and loaded the
// way the game loads it, through SDL2_mixer.
#include "AssetFiles.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <libmodplug/modplug.h>
#include <libopenmpt/libopenmpt.h>
#include <libopenmpt/libopenmpt_ext.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>

namespace assettest {
namespace {

constexpr int kRate = 44100;

struct Rendering {
    bool loaded = false;
    double reportedSeconds = 0.0;
    std::vector<float> frames;  // interleaved stereo
    double seconds() const { return static_cast<double>(frames.size()) / 2.0 / kRate; }
};

// Plays the module through to its end (`repeats` extra times).
Rendering renderWithOpenMpt(const std::vector<std::uint8_t>& bytes, int repeats) {
    Rendering out;
    openmpt_module* mod = openmpt_module_create_from_memory2(bytes.data(), bytes.size(), nullptr, nullptr, nullptr,
                                                             nullptr, nullptr, nullptr, nullptr);
    if (!mod) return out;
    out.loaded = true;
    openmpt_module_set_repeat_count(mod, repeats);
    out.reportedSeconds = openmpt_module_get_duration_seconds(mod);
    std::vector<float> block(2 * 4096);
    for (;;) {
        const std::size_t n = openmpt_module_read_interleaved_float_stereo(mod, kRate, 4096, block.data());
        if (n == 0 || out.frames.size() > 2u * kRate * 600u) break;
        out.frames.insert(out.frames.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(2 * n));
    }
    openmpt_module_destroy(mod);
    return out;
}

// RMS of each whole second.
std::vector<double> loudnessPerSecond(const std::vector<float>& frames) {
    std::vector<double> out;
    const std::size_t perSecond = 2u * kRate;
    for (std::size_t start = 0; start + perSecond <= frames.size(); start += perSecond) {
        double sum = 0;
        for (std::size_t i = start; i < start + perSecond; ++i) sum += static_cast<double>(frames[i]) * frames[i];
        out.push_back(std::sqrt(sum / perSecond));
    }
    return out;
}

// One channel played alone (all others muted) through the song, as
// separate left and right signals.
struct ChannelRendering {
    bool loaded = false;
    std::vector<float> left, right;
};

ChannelRendering renderChannelAlone(const std::vector<std::uint8_t>& bytes, int channel) {
    ChannelRendering out;
    openmpt_module_ext* ext = openmpt_module_ext_create_from_memory(bytes.data(), bytes.size(), nullptr, nullptr,
                                                                    nullptr, nullptr, nullptr, nullptr, nullptr);
    if (!ext) return out;
    openmpt_module_ext_interface_interactive interactive{};
    if (openmpt_module_ext_get_interface(ext, LIBOPENMPT_EXT_C_INTERFACE_INTERACTIVE, &interactive,
                                         sizeof interactive) == 0 ||
        !interactive.set_channel_mute_status) {
        openmpt_module_ext_destroy(ext);
        return out;
    }
    openmpt_module* mod = openmpt_module_ext_get_module(ext);
    const int channels = openmpt_module_get_num_channels(mod);
    for (int c = 0; c < channels; ++c) interactive.set_channel_mute_status(ext, c, c == channel ? 0 : 1);
    out.loaded = true;
    std::vector<float> block(2 * 4096);
    for (;;) {
        const std::size_t n = openmpt_module_read_interleaved_float_stereo(mod, kRate, 4096, block.data());
        if (n == 0 || out.left.size() > static_cast<std::size_t>(kRate) * 600) break;
        for (std::size_t i = 0; i < n; ++i) {
            out.left.push_back(block[2 * i]);
            out.right.push_back(block[2 * i + 1]);
        }
    }
    openmpt_module_ext_destroy(ext);
    return out;
}

// A click where a sound starts out of silence: within the first two
// milliseconds after at least 5 ms of near-silence, a sample-to-sample
// step that comes close to the largest the sound makes in the 10 ms that
// follow. A sound with an attack of a few milliseconds grows step by
// step, so its first steps stay well below its later ones; one that
// starts at full strength, or at a point of its wave far from zero, is
// at its sharpest right away. Steps too small to hear are let through.
struct Click {
    std::size_t at;  // sample index of the step
    double step;     // |x[n] - x[n-1]|
    double later;    // the largest step in the 10 ms after it
};

constexpr double kNearSilence = 0.001;            // -60 dBFS
constexpr std::size_t kSilentRun = kRate / 200;   // 5 ms
constexpr std::size_t kJudgedSpan = kRate / 500;  // 2 ms
constexpr std::size_t kLaterSpan = kRate / 100;   // 10 ms
constexpr double kInaudibleStep = 0.002;          // -54 dBFS
constexpr double kLargestEarlyStep = 0.8;         // of the largest later one

double stepAt(const std::vector<float>& x, std::size_t n) { return std::abs(static_cast<double>(x[n]) - x[n - 1]); }

// The sounds that start out of silence, and the clicks among them.
struct Starts {
    std::size_t sounds = 0;
    std::vector<Click> clicks;
};

Starts clicksAtStarts(const std::vector<float>& x) {
    Starts out;
    std::size_t quiet = 0;
    for (std::size_t n = 1; n + kJudgedSpan + kLaterSpan < x.size(); ++n) {
        if (std::abs(x[n]) <= kNearSilence) {
            ++quiet;
            continue;
        }
        if (quiet >= kSilentRun) {
            ++out.sounds;
            std::optional<Click> worst;
            for (std::size_t k = n; k < n + kJudgedSpan; ++k) {
                const double step = stepAt(x, k);
                double later = 0;
                for (std::size_t j = k + 1; j <= k + kLaterSpan; ++j) later = std::max(later, stepAt(x, j));
                if (step > kInaudibleStep && step > kLargestEarlyStep * later &&
                    (!worst || step / later > worst->step / worst->later))
                    worst = Click{k, step, later};
            }
            if (worst) out.clicks.push_back(*worst);
        }
        quiet = 0;
    }
    return out;
}

// The same at the ends of sounds: a voice cut off instead of released is
// a click into silence, which is a click out of silence played backwards.
Starts clicksAtEnds(const std::vector<float>& x) {
    const std::vector<float> backwards(x.rbegin(), x.rend());
    Starts ends = clicksAtStarts(backwards);
    for (Click& c : ends.clicks) c.at = x.size() - 1 - c.at;
    std::reverse(ends.clicks.begin(), ends.clicks.end());
    return ends;
}

std::string describe(const std::vector<Click>& clicks) {
    std::ostringstream text;
    text.precision(4);
    for (std::size_t i = 0; i < std::min<std::size_t>(clicks.size(), 5); ++i)
        text << "\n  at " << static_cast<double>(clicks[i].at) / kRate << " s: step " << clicks[i].step
             << ", the largest in the next 10 ms " << clicks[i].later;
    return text.str();
}

class Music : public ::testing::Test {
protected:
    static void SetUpTestSuite() { bytes_ = readBytes(assetPath("psych.xm")); }
    static std::vector<std::uint8_t> bytes_;
};
std::vector<std::uint8_t> Music::bytes_;

TEST_F(Music, IsAnXmModuleOfVersion0104WithSeveralChannelsAndInstruments) {
    ASSERT_GT(bytes_.size(), 336u);
    EXPECT_LT(bytes_.size(), 200u * 1024u);
    EXPECT_EQ(std::string(bytes_.begin(), bytes_.begin() + 17), "Extended Module: ");
    EXPECT_EQ(bytes_[37], 0x1A);
    EXPECT_EQ(le16(bytes_, 58), 0x0104);

    openmpt_module* mod = openmpt_module_create_from_memory2(bytes_.data(), bytes_.size(), nullptr, nullptr, nullptr,
                                                             nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(mod, nullptr) << "libopenmpt cannot load psych.xm";
    const char* type = openmpt_module_get_metadata(mod, "type");
    EXPECT_STREQ(type, "xm");
    openmpt_free_string(type);
    EXPECT_GE(openmpt_module_get_num_channels(mod), 6);
    EXPECT_GE(openmpt_module_get_num_instruments(mod), 4);
    EXPECT_GE(openmpt_module_get_num_samples(mod), 4);
    openmpt_module_destroy(mod);
}

TEST_F(Music, PlaysOverAMinuteWithoutSilenceOrClipping) {
    const Rendering r = renderWithOpenMpt(bytes_, 0);
    ASSERT_TRUE(r.loaded);
    EXPECT_GE(r.reportedSeconds, 60.0);
    EXPECT_GE(r.seconds(), 60.0);
    const std::vector<double> loudness = loudnessPerSecond(r.frames);
    for (std::size_t s = 0; s < loudness.size(); ++s)
        EXPECT_GT(loudness[s], 0.01) << "second " << s << " is (nearly) silent";
    float peak = 0;
    for (float v : r.frames) peak = std::max(peak, std::abs(v));
    EXPECT_LT(peak, 0.95f) << "the mix reaches full scale";
    EXPECT_GT(peak, 0.2f) << "the mix is very quiet";
}

// At its end the song jumps back to its restart position and goes on:
// a second run-through is long, and there is no gap at the seam.
TEST_F(Music, LoopsBackToItsRestartPositionWithoutAGap) {
    const Rendering once = renderWithOpenMpt(bytes_, 0);
    const Rendering twice = renderWithOpenMpt(bytes_, 1);
    ASSERT_TRUE(once.loaded && twice.loaded);
    const double loopBody = twice.seconds() - once.seconds();
    EXPECT_GE(loopBody, 30.0);
    EXPECT_LE(loopBody, once.seconds());
    const std::vector<double> loudness = loudnessPerSecond(twice.frames);
    const std::size_t seam = static_cast<std::size_t>(once.seconds());
    ASSERT_GT(loudness.size(), seam + 2);
    for (std::size_t s = seam - 2; s <= seam + 2; ++s)
        EXPECT_GT(loudness[s], 0.02) << "quiet at second " << s << " around the loop";
}

// Every channel alone, through the whole song: no sound starts or stops
// with a jump.
TEST_F(Music, NoChannelClicksWhereItsSoundsStartOrStop) {
    openmpt_module* mod = openmpt_module_create_from_memory2(bytes_.data(), bytes_.size(), nullptr, nullptr, nullptr,
                                                             nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(mod, nullptr);
    const int channels = openmpt_module_get_num_channels(mod);
    openmpt_module_destroy(mod);
    std::size_t soundsJudged = 0;
    for (int channel = 0; channel < channels; ++channel) {
        const ChannelRendering r = renderChannelAlone(bytes_, channel);
        ASSERT_TRUE(r.loaded) << "libopenmpt cannot mute channels";
        ASSERT_GE(r.left.size(), static_cast<std::size_t>(kRate) * 60);
        float peak = 0;
        for (const auto& [side, signal] : {std::pair{"left", &r.left}, std::pair{"right", &r.right}}) {
            for (float v : *signal) peak = std::max(peak, std::abs(v));
            const Starts starts = clicksAtStarts(*signal);
            EXPECT_TRUE(starts.clicks.empty())
                << "channel " << channel << " (" << side << "): " << starts.clicks.size() << " of " << starts.sounds
                << " sounds start with a click" << describe(starts.clicks);
            const Starts ends = clicksAtEnds(*signal);
            EXPECT_TRUE(ends.clicks.empty())
                << "channel " << channel << " (" << side << "): " << ends.clicks.size() << " of " << ends.sounds
                << " sounds stop with a click" << describe(ends.clicks);
            soundsJudged += starts.sounds + ends.sounds;
        }
        EXPECT_GT(peak, 0.01f) << "channel " << channel << " is silent when played alone";
    }
    // Most notes of the arpeggio, drums and bells start out of silence.
    EXPECT_GT(soundsJudged, 1000u);
}

TEST_F(Music, PlaysInLibModplugWithoutClipping) {
    ModPlug_Settings settings;
    ModPlug_GetSettings(&settings);
    settings.mChannels = 2;
    settings.mBits = 16;
    settings.mFrequency = kRate;
    settings.mLoopCount = 0;
    ModPlug_SetSettings(&settings);
    ModPlugFile* mod = ModPlug_Load(bytes_.data(), static_cast<int>(bytes_.size()));
    ASSERT_NE(mod, nullptr) << "libmodplug cannot load psych.xm";
    EXPECT_GE(ModPlug_GetLength(mod), 60000);
    EXPECT_GE(ModPlug_NumChannels(mod), 6u);
    std::vector<std::int16_t> block(2 * 4096);
    std::size_t frames = 0;
    int peak = 0;
    for (;;) {
        const int bytes = ModPlug_Read(mod, block.data(), static_cast<int>(block.size() * 2));
        if (bytes <= 0 || frames > static_cast<std::size_t>(kRate) * 600) break;
        for (int i = 0; i < bytes / 2; ++i)
            peak = std::max(peak, std::abs(static_cast<int>(block[static_cast<std::size_t>(i)])));
        frames += static_cast<std::size_t>(bytes) / 4;
    }
    ModPlug_Unload(mod);
    EXPECT_GE(static_cast<double>(frames) / kRate, 60.0);
    EXPECT_LT(peak, 32000) << "libmodplug's mix saturates";
    EXPECT_GT(peak, 3000);
}

TEST_F(Music, LoadsInSdlMixerAsAModule) {
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 0);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, 2, 1024), 0) << Mix_GetError();
    Mix_Music* music = Mix_LoadMUS(assetPath("psych.xm").c_str());
    EXPECT_NE(music, nullptr) << Mix_GetError();
    if (music) {
        EXPECT_EQ(Mix_GetMusicType(music), MUS_MOD);
        Mix_FreeMusic(music);
    }
    Mix_CloseAudio();
    SDL_Quit();
}

}  // namespace
}  // namespace assettest
