// The window's bitmaps go through the same check as the text front end's
// before Qt decodes them: both take exactly the same files.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "DamagedFiles.h"
#include "Pictures.h"

namespace dzwonex::uitest {
namespace {

namespace fs = std::filesystem;
using dzwonex::testing::BmpBytes;
using dzwonex::testing::BmpLayout;

// The error either front end gives, or nothing when it takes the file.
std::optional<std::string> TextVerdict(const std::string& path) {
    try {
        ReadBmpInfo(path);
        return std::nullopt;
    } catch (const FileError& e) {
        return e.what();
    }
}

std::optional<std::string> WindowVerdict(const std::string& path) {
    try {
        LoadBitmap(path);
        return std::nullopt;
    } catch (const FileError& e) {
        return e.what();
    }
}

TEST(BitmapCheckTest, TheWindowAndTheTextFrontEndTakeTheSameBitmaps) {
    const fs::path dir = fs::temp_directory_path() / ("dzwonex-bitmaps-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::vector<uint8_t> grey(16 * 4, 0x80);
    // Refused: runs or jumps outside the picture, no end mark, pixels or
    // palette cut short, masks Qt cannot use, run-length data top-down.
    const std::vector<std::pair<const char*, BmpLayout>> refused = {
        {"a run past the row", {4, 2, 8, 1, 16, grey, {5, 1, 0, 1}}},
        {"an absolute run past the row", {4, 2, 8, 1, 16, grey, {0, 6, 1, 2, 3, 4, 5, 6, 0, 1}}},
        {"a jump out of the picture", {4, 2, 8, 1, 16, grey, {0, 2, 1, 2, 0, 1}}},
        {"no end mark", {4, 2, 8, 1, 16, grey, {4, 1, 0, 0, 4, 2, 0, 0}}},
        {"an end mark cut in half", {4, 2, 4, 2, 16, grey, {4, 0x11, 0}}},
        {"top-down run-length data", {4, -2, 8, 1, 16, grey, {0, 1}}},
        {"pixels cut short", {4, 4, 24, 0, 0, {}, std::vector<uint8_t>(4 * 12 - 1)}},
        {"a palette larger than the pixel size allows", {4, 1, 1, 0, 3, std::vector<uint8_t>(12), {0, 0, 0, 0}}},
        {"masks without room for them", {2, 2, 32, 3, 0, {}, std::vector<uint8_t>(8, 0xFF)}},
        {"a mask of every bit",
         {1, 1, 32, 3, 0, {}, {0xFF, 0xFF, 0xFF, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0, 1, 2, 3, 4}}},
    };
    std::vector<std::pair<std::string, bool>> files;
    for (const auto& [what, layout] : refused) {
        const fs::path path = dir / (std::string(what) + ".bmp");
        dzwonex::testing::WriteAll(path, BmpBytes(layout));
        files.emplace_back(path.string(), false);
    }
    for (const auto& damage : dzwonex::testing::BitmapDamages()) {
        const fs::path path = dir / (damage.what + ".bmp");
        damage.apply(path);
        files.emplace_back(path.string(), false);
    }
    // Taken: every kind of bitmap the fuzzing starts from (1 to 32 bits a
    // pixel, palettes, run-length encoding, colour masks, top-down, OS/2).
    for (const auto& seed : fs::directory_iterator(DZWONEX_BITMAP_SEEDS))
        files.emplace_back(seed.path().string(), true);

    for (const auto& [path, good] : files) {
        SCOPED_TRACE(path);
        const auto text = TextVerdict(path);
        const auto window = WindowVerdict(path);
        EXPECT_EQ(text, window);
        EXPECT_EQ(!text.has_value(), good) << text.value_or("");
        if (text) {
            EXPECT_NE(text->find(path), std::string::npos) << *text;
        }
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace dzwonex::uitest
