// The three WAV effects, read with SDL's WAV loader and by their header
// bytes; and the banner's Internet shortcut.
#include "AssetFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>

namespace assettest {
namespace {

struct Wav {
    bool loaded = false;
    SDL_AudioSpec spec{};
    std::vector<std::int16_t> samples;
};

Wav loadWithSdl(const std::string& path) {
    Wav w;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path.c_str(), &w.spec, &buffer, &length)) return w;
    w.loaded = true;
    w.samples.resize(length / 2);
    std::copy(buffer, buffer + (length / 2) * 2, reinterpret_cast<Uint8*>(w.samples.data()));
    SDL_FreeWAV(buffer);
    return w;
}

// What each effect may be: its longest length and its peak's range. The
// page sound is a soft rustle, well under the other two.
struct EffectLimits {
    std::string file;
    double maxSeconds;
    int minPeak;  // clearly audible
    int maxPeak;  // full scale is 32767
};

class Effects : public ::testing::TestWithParam<EffectLimits> {};

TEST_P(Effects, AreShortMonoSixteenBitPcm) {
    const std::vector<std::uint8_t> b = readBytes(assetPath(GetParam().file));
    ASSERT_GE(b.size(), 44u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 12), "WAVE");
    EXPECT_EQ(std::string(b.begin() + 12, b.begin() + 16), "fmt ");
    EXPECT_EQ(le16(b, 20), 1) << "not PCM";
    EXPECT_EQ(le16(b, 22), 1) << "not mono";
    const std::uint32_t rate = le32(b, 24);
    EXPECT_TRUE(rate == 44100 || rate == 22050) << rate;
    EXPECT_EQ(le16(b, 34), 16);
    // The sizes in the headers match the file: RIFF counts all but its own
    // eight bytes, and the data chunk runs to the end of the file.
    EXPECT_EQ(le32(b, 4), b.size() - 8);
    std::size_t chunk = 12;
    while (chunk + 8 <= b.size() && std::string(b.begin() + chunk, b.begin() + chunk + 4) != "data")
        chunk += 8 + le32(b, chunk + 4) + (le32(b, chunk + 4) & 1);
    ASSERT_LE(chunk + 8, b.size()) << "no data chunk";
    EXPECT_EQ(le32(b, chunk + 4), b.size() - chunk - 8);

    const Wav w = loadWithSdl(assetPath(GetParam().file));
    ASSERT_TRUE(w.loaded) << SDL_GetError();
    EXPECT_EQ(w.spec.format, AUDIO_S16LSB);
    EXPECT_EQ(w.spec.channels, 1);
    EXPECT_EQ(static_cast<std::uint32_t>(w.spec.freq), rate);
    const double seconds = static_cast<double>(w.samples.size()) / w.spec.freq;
    EXPECT_LE(seconds, GetParam().maxSeconds);
    EXPECT_GT(seconds, 0.03);
}

// Within its level, and both ends fade to silence so that neither start
// nor stop clicks.
TEST_P(Effects, StayWithinTheirLevelAndStartAndEndInSilence) {
    const Wav w = loadWithSdl(assetPath(GetParam().file));
    ASSERT_TRUE(w.loaded);
    ASSERT_GT(w.samples.size(), 200u);
    int peak = 0;
    for (std::int16_t s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_LE(peak, GetParam().maxPeak);
    EXPECT_GE(peak, GetParam().minPeak);
    const std::size_t edge = static_cast<std::size_t>(w.spec.freq / 1000);  // 1 ms
    EXPECT_LT(std::abs(static_cast<int>(w.samples.front())), 100);
    int tail = 0;
    for (std::size_t i = w.samples.size() - edge; i < w.samples.size(); ++i)
        tail = std::max(tail, std::abs(static_cast<int>(w.samples[i])));
    EXPECT_LT(tail, 330) << "the sound stops abruptly";
    int head = 0;
    for (std::size_t i = 0; i < edge / 4; ++i) head = std::max(head, std::abs(static_cast<int>(w.samples[i])));
    EXPECT_LT(head, peak / 2) << "the sound starts abruptly";
}

// -12 dBFS is 8231; 2000 is about -24 dBFS.
INSTANTIATE_TEST_SUITE_P(ButtonPageClick, Effects,
                         ::testing::Values(EffectLimits{"button.wav", 0.4, 8000, 32000},
                                           EffectLimits{"page.wav", 0.2, 2000, 8231},
                                           EffectLimits{"click.wav", 0.4, 8000, 32000}),
                         [](const auto& info) { return info.param.file.substr(0, info.param.file.find('.')); });

TEST(BannerShortcut, IsAnInternetShortcutToAWebAddress) {
    const std::vector<std::uint8_t> b = readBytes(assetPath("Banner.url"));
    ASSERT_FALSE(b.empty());
    std::istringstream in(std::string(b.begin(), b.end()));
    std::string line;
    std::string section;
    std::string url;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line.front() == '[')
            section = line;
        else if (section == "[InternetShortcut]" && line.rfind("URL=", 0) == 0)
            url = line.substr(4);
    }
    EXPECT_TRUE(std::regex_match(url, std::regex(R"(https?://[A-Za-z0-9.-]+\.[A-Za-z]{2,}(/\S*)?)"))) << url;
}

}  // namespace
}  // namespace assettest
