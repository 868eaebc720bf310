// The BMP files: the six icons, the banner strip and the logo, read with
// SDL's BMP loader and by their header bytes.
#include "AssetFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <deque>
#include <string>

namespace assettest {
namespace {

const Rgb kWhite{255, 255, 255};

// Checks a file holds an uncompressed 24-bit BMP of the given size that
// SDL reads back at that size.
void expect24BitBmp(const std::string& name, int width, int height) {
    SCOPED_TRACE(name);
    const std::vector<std::uint8_t> bytes = readBytes(assetPath(name));
    ASSERT_FALSE(bytes.empty());
    const BmpHeader h = readBmpHeader(bytes);
    EXPECT_TRUE(h.signature);
    EXPECT_EQ(h.fileSize, bytes.size());
    EXPECT_EQ(h.infoSize, 40u);
    EXPECT_EQ(h.width, width);
    EXPECT_EQ(std::abs(h.height), height);
    EXPECT_EQ(h.planes, 1);
    EXPECT_EQ(h.bitsPerPixel, 24);
    EXPECT_EQ(h.compression, 0u);
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    EXPECT_EQ(bytes.size(), h.pixelOffset + stride * static_cast<std::size_t>(height));
    const Picture p = loadBmpWithSdl(assetPath(name));
    EXPECT_EQ(p.width, width);
    EXPECT_EQ(p.height, height);
}

// The opaque pixels of an icon.
std::vector<bool> shapeOf(const Picture& icon) {
    std::vector<bool> mask;
    for (const Rgb& p : icon.pixels) mask.push_back(!(p == kWhite));
    return mask;
}

std::vector<Picture> loadIcons() {
    std::vector<Picture> icons;
    for (int k = 1; k <= 6; ++k) icons.push_back(loadBmpWithSdl(assetPath(std::to_string(k) + ".bmp")));
    return icons;
}

TEST(IconBitmaps, AreSixteenBySixteenAt24Bits) {
    for (int k = 1; k <= 6; ++k) expect24BitBmp(std::to_string(k) + ".bmp", 16, 16);
}

// White is see-through on the map: a white pixel that cannot be reached
// from the edge through white would be a hole in the pictogram.
TEST(IconBitmaps, HaveNoPureWhiteInsideTheirShapes) {
    const std::vector<Picture> icons = loadIcons();
    for (std::size_t k = 0; k < icons.size(); ++k) {
        const Picture& icon = icons[k];
        ASSERT_EQ(icon.width, 16);
        std::vector<bool> outside(256, false);
        std::deque<std::pair<int, int>> todo;
        for (int i = 0; i < 16; ++i)
            for (auto [x, y] : {std::pair{i, 0}, std::pair{i, 15}, std::pair{0, i}, std::pair{15, i}})
                todo.emplace_back(x, y);
        while (!todo.empty()) {
            const auto [x, y] = todo.front();
            todo.pop_front();
            if (x < 0 || y < 0 || x > 15 || y > 15 || outside[static_cast<std::size_t>(y * 16 + x)] ||
                !(icon.at(x, y) == kWhite))
                continue;
            outside[static_cast<std::size_t>(y * 16 + x)] = true;
            todo.emplace_back(x + 1, y);
            todo.emplace_back(x - 1, y);
            todo.emplace_back(x, y + 1);
            todo.emplace_back(x, y - 1);
        }
        int holes = 0;
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                if (icon.at(x, y) == kWhite && !outside[static_cast<std::size_t>(y * 16 + x)]) ++holes;
                if (!(icon.at(x, y) == kWhite)) ++opaque;
            }
        EXPECT_EQ(holes, 0) << "icon " << k + 1;
        // A pictogram big enough to see, and not a solid square.
        EXPECT_GE(opaque, 60) << "icon " << k + 1;
        EXPECT_LE(opaque, 200) << "icon " << k + 1;
    }
}

// Colour-blind players tell the kinds apart by shape: every two icons
// must differ in outline, and in colour as well.
TEST(IconBitmaps, EveryTwoDifferInShapeAndColour) {
    const std::vector<Picture> icons = loadIcons();
    for (std::size_t a = 0; a < icons.size(); ++a) {
        ASSERT_EQ(icons[a].width, 16);
        for (std::size_t b = a + 1; b < icons.size(); ++b) {
            const std::vector<bool> sa = shapeOf(icons[a]);
            const std::vector<bool> sb = shapeOf(icons[b]);
            int differ = 0;
            for (std::size_t i = 0; i < sa.size(); ++i) differ += sa[i] != sb[i];
            EXPECT_GE(differ, 24) << "icons " << a + 1 << " and " << b + 1 << " have nearly the same outline";

            auto mean = [](const Picture& p) {
                double r = 0, g = 0, bl = 0;
                int n = 0;
                for (const Rgb& c : p.pixels)
                    if (!(c == kWhite)) {
                        r += c.r;
                        g += c.g;
                        bl += c.b;
                        ++n;
                    }
                return std::array<double, 3>{r / n, g / n, bl / n};
            };
            const auto ma = mean(icons[a]);
            const auto mb = mean(icons[b]);
            const double distance = std::hypot(ma[0] - mb[0], ma[1] - mb[1], ma[2] - mb[2]);
            EXPECT_GT(distance, 30.0) << "icons " << a + 1 << " and " << b + 1 << " have nearly the same colour";
        }
    }
}

TEST(BannerStrip, StacksAtLeastFour400By50Banners) {
    const BmpHeader h = readBmpHeader(readBytes(assetPath("Bannery.bmp")));
    const int height = std::abs(h.height);
    EXPECT_EQ(height % 50, 0);
    EXPECT_GE(height, 200);
    expect24BitBmp("Bannery.bmp", 400, height);
}

// Each band is a picture of its own: not blank, and not a copy of
// another band.
TEST(BannerStrip, BannersAreDistinctAndNotBlank) {
    const Picture strip = loadBmpWithSdl(assetPath("Bannery.bmp"));
    ASSERT_EQ(strip.width, 400);
    const int count = strip.height / 50;
    ASSERT_GE(count, 4);
    auto luminance = [](const Rgb& c) { return 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b; };
    for (int i = 0; i < count; ++i) {
        double sum = 0, sum2 = 0;
        for (int y = i * 50; y < i * 50 + 50; ++y)
            for (int x = 0; x < 400; ++x) {
                const double l = luminance(strip.at(x, y));
                sum += l;
                sum2 += l * l;
            }
        const double n = 400.0 * 50.0;
        const double deviation = std::sqrt(sum2 / n - (sum / n) * (sum / n));
        EXPECT_GT(deviation, 20.0) << "banner " << i << " is nearly flat";
        for (int j = i + 1; j < count; ++j) {
            double difference = 0;
            for (int y = 0; y < 50; ++y)
                for (int x = 0; x < 400; ++x) {
                    const Rgb& p = strip.at(x, i * 50 + y);
                    const Rgb& q = strip.at(x, j * 50 + y);
                    difference += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
                }
            EXPECT_GT(difference / n, 30.0) << "banners " << i << " and " << j << " look alike";
        }
    }
}

TEST(LogoBitmap, Is90By90At24BitsOnTheDialogsWhite) {
    expect24BitBmp("Logo.bmp", 90, 90);
    const Picture logo = loadBmpWithSdl(assetPath("Logo.bmp"));
    ASSERT_EQ(logo.width, 90);
    // White corners meet the dialog's white background; the middle is drawn.
    EXPECT_EQ(logo.at(0, 0), kWhite);
    EXPECT_EQ(logo.at(89, 0), kWhite);
    int coloured = 0;
    for (const Rgb& p : logo.pixels)
        if (std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b}) > 60) ++coloured;
    EXPECT_GT(coloured, 90 * 90 / 3);
}

}  // namespace
}  // namespace assettest
