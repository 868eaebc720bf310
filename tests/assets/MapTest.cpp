// Mapa.jpg, decoded with libjpeg.
#include "AssetFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
// clang-format off
#include <jpeglib.h>
// clang-format on

namespace assettest {
namespace {

struct Trap {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void onError(j_common_ptr info) { std::longjmp(reinterpret_cast<Trap*>(info->err)->jump, 1); }

struct DecodedJpeg {
    bool ok = false;
    int width = 0;
    int height = 0;
    int components = 0;
    bool progressive = false;
    bool arithmetic = false;
    unsigned short luminanceTable[64] = {};
    std::vector<std::uint8_t> rgb;
};

DecodedJpeg decode(const std::vector<std::uint8_t>& bytes) {
    DecodedJpeg out;
    jpeg_decompress_struct info{};
    Trap trap{};
    info.err = jpeg_std_error(&trap.mgr);
    trap.mgr.error_exit = onError;
    if (setjmp(trap.jump)) {
        jpeg_destroy_decompress(&info);
        out.ok = false;
        return out;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    out.progressive = info.progressive_mode;
    out.arithmetic = info.arith_code;
    out.components = info.num_components;
    if (info.quant_tbl_ptrs[0])
        std::copy(info.quant_tbl_ptrs[0]->quantval, info.quant_tbl_ptrs[0]->quantval + 64, out.luminanceTable);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    out.rgb.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.rgb.data() + static_cast<std::size_t>(info.output_scanline) * out.width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    out.ok = true;
    return out;
}

// The start-of-frame markers in the file, in order (0xC0 baseline,
// 0xC1 extended, 0xC2 progressive, ...).
std::vector<int> frameMarkers(const std::vector<std::uint8_t>& b) {
    std::vector<int> found;
    std::size_t i = 2;  // after SOI
    while (i + 4 <= b.size() && b[i] == 0xFF) {
        const int marker = b[i + 1];
        if (marker == 0xDA)  // start of scan: entropy-coded data follows
            break;
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            found.push_back(marker);
        i += 2 + static_cast<std::size_t>((b[i + 2] << 8) | b[i + 3]);
    }
    return found;
}

// Libjpeg's quality from a scaled luminance table: the inverse of
// jpeg_quality_scaling over the standard table.
double estimatedQuality(const unsigned short table[64]) {
    static const int standard[64] = {16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
                                     14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
                                     18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
                                     49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
    double scale = 0.0;
    for (int i = 0; i < 64; ++i) scale += 100.0 * table[i] / standard[i];
    scale /= 64.0;
    return scale <= 100.0 ? (200.0 - scale) / 2.0 : 5000.0 / scale;
}

class MapJpeg : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        bytes_ = readBytes(assetPath("Mapa.jpg"));
        jpeg_ = decode(bytes_);
    }
    static std::vector<std::uint8_t> bytes_;
    static DecodedJpeg jpeg_;
};
std::vector<std::uint8_t> MapJpeg::bytes_;
DecodedJpeg MapJpeg::jpeg_;

TEST_F(MapJpeg, IsABaselineColourJpegLargerThanTheMapArea) {
    ASSERT_FALSE(bytes_.empty());
    ASSERT_TRUE(jpeg_.ok) << "libjpeg cannot decode Mapa.jpg";
    EXPECT_EQ(jpeg_.components, 3);
    EXPECT_GE(jpeg_.width, 1200);
    EXPECT_LE(jpeg_.width, 1600);
    EXPECT_GE(jpeg_.height, 900);
    EXPECT_LE(jpeg_.height, 1200);
    EXPECT_LT(bytes_.size(), 600u * 1024u);
    EXPECT_FALSE(jpeg_.progressive);
    EXPECT_FALSE(jpeg_.arithmetic);
    EXPECT_EQ(frameMarkers(bytes_), std::vector<int>{0xC0}) << "one baseline frame header expected";
}

TEST_F(MapJpeg, IsEncodedAtAboutQuality85) {
    ASSERT_TRUE(jpeg_.ok);
    const double quality = estimatedQuality(jpeg_.luminanceTable);
    EXPECT_GE(quality, 80.0);
    EXPECT_LE(quality, 90.0);
}

// The map must stay pale and greyish, and the icons dark-rimmed and
// strongly coloured, so that a thousand icons remain easy to see on it.
TEST_F(MapJpeg, ColoursAreMutedAndIconsStandOutOnThem) {
    ASSERT_TRUE(jpeg_.ok);
    double saturation = 0.0;
    double luminance = 0.0;
    std::size_t vivid = 0;
    const std::size_t n = jpeg_.rgb.size() / 3;
    for (std::size_t i = 0; i < n; ++i) {
        const int r = jpeg_.rgb[3 * i], g = jpeg_.rgb[3 * i + 1], b = jpeg_.rgb[3 * i + 2];
        const int hi = std::max({r, g, b});
        const int lo = std::min({r, g, b});
        const double s = hi == 0 ? 0.0 : static_cast<double>(hi - lo) / hi;
        saturation += s;
        luminance += (0.2126 * r + 0.7152 * g + 0.0722 * b) / 255.0;
        if (s > 0.45 && hi > 80) ++vivid;
    }
    saturation /= static_cast<double>(n);
    luminance /= static_cast<double>(n);
    EXPECT_LT(saturation, 0.15) << "the map's colours are too strong";
    EXPECT_LT(static_cast<double>(vivid) / static_cast<double>(n), 0.01) << "too many vivid pixels on the map";
    EXPECT_GT(luminance, 0.70) << "the map is too dark for the icons";

    for (int k = 1; k <= 6; ++k) {
        const Picture icon = loadBmpWithSdl(assetPath(std::to_string(k) + ".bmp"));
        ASSERT_EQ(icon.width, 16) << k;
        double darkest = 1.0;
        double mostSaturated = 0.0;
        for (const Rgb& p : icon.pixels) {
            if (p == Rgb{255, 255, 255}) continue;
            darkest = std::min(darkest, (0.2126 * p.r + 0.7152 * p.g + 0.0722 * p.b) / 255.0);
            const int hi = std::max({p.r, p.g, p.b});
            const int lo = std::min({p.r, p.g, p.b});
            mostSaturated = std::max(mostSaturated, hi == 0 ? 0.0 : static_cast<double>(hi - lo) / hi);
        }
        EXPECT_LT(darkest, luminance - 0.5) << "icon " << k << " has no dark rim against the map";
        EXPECT_GT(mostSaturated, saturation + 0.5) << "icon " << k << " is no more colourful than the map";
    }
}

}  // namespace
}  // namespace assettest
