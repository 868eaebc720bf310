// The picture checks and the JPEG decoder: what they take, what they
// refuse and how they say it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "DamagedFiles.h"
#include "Fixtures.h"
#include "ImageFiles.h"

namespace dzwonex::testing {

namespace fs = std::filesystem;

// The two pictures whose sizes the game needs, checked as the front ends
// check them.
class StartupFiles : public ::testing::Test {
protected:
    std::string LoadError() {
        try {
            EXPECT_EQ(ReadBmpInfo(assets.Dir() + "Bannery.bmp").height, 200);
            const JpegSize map = CheckJpeg(assets.Dir() + "Mapa.jpg");
            EXPECT_EQ(map.width, 1400);
            EXPECT_EQ(map.height, 1000);
        } catch (const FileError& e) {
            return e.what();
        }
        return "";
    }
    void Truncate(const fs::path& p, uintmax_t size) { fs::resize_file(p, size); }

    AssetFolder assets;
};

TEST_F(StartupFiles, GoodFilesGiveTheSizes) { EXPECT_EQ(LoadError(), ""); }

TEST_F(StartupFiles, MissingBannerStripNamesTheFile) {
    fs::remove(assets.Path() / "Bannery.bmp");
    EXPECT_EQ(LoadError(), "Cannot open file " + assets.Dir() + "Bannery.bmp.");
}

TEST_F(StartupFiles, MissingMapNamesTheFile) {
    fs::remove(assets.Path() / "Mapa.jpg");
    EXPECT_EQ(LoadError(), "Cannot open file " + assets.Dir() + "Mapa.jpg.");
}

TEST_F(StartupFiles, EmptyMapIsNotAPicture) {
    Truncate(assets.Path() / "Mapa.jpg", 0);
    const std::string error = LoadError();
    EXPECT_NE(error.find("Mapa.jpg is not a valid JPEG picture"), std::string::npos) << error;
}

TEST_F(StartupFiles, TruncatedMapIsNotAPicture) {
    const auto path = assets.Path() / "Mapa.jpg";
    Truncate(path, fs::file_size(path) / 2);
    const std::string error = LoadError();
    EXPECT_NE(error.find("Mapa.jpg is not a valid JPEG picture"), std::string::npos) << error;
}

TEST_F(StartupFiles, GarbageMapIsNotAPicture) {
    std::ofstream(assets.Path() / "Mapa.jpg", std::ios::binary) << "\xFF\xD8\xFF\xE0 this is not a jpeg at all";
    EXPECT_NE(LoadError().find("is not a valid JPEG picture"), std::string::npos);
}

TEST_F(StartupFiles, BadBitmapHeaders) {
    const auto path = assets.Path() / "Bannery.bmp";
    auto patch = [&](std::streamoff offset, const std::string& bytes) {
        WriteBmp24(path, 400, 200);
        std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(offset);
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    };
    const std::string invalid = "Bitmap image is not valid: " + path.string();
    patch(0, "XX");  // no signature
    EXPECT_EQ(LoadError(), invalid);
    patch(28, std::string("\x07\x00", 2));  // 7 bits a pixel
    EXPECT_EQ(LoadError(), invalid);
    patch(22, std::string("\x00\x02\x00\x00", 4));  // 512 rows: more than the file holds
    EXPECT_EQ(LoadError(), invalid);
    patch(22, std::string("\x00\x00\x01\x00", 4));  // 65536 rows
    EXPECT_EQ(LoadError(), "File " + path.string() + " is too large: 400 × 65536 pixels (the limit is 4096 × 4096).");
    WriteBmp24(path, 400, 200);
    Truncate(path, 30);
    EXPECT_EQ(LoadError(), invalid);
    Truncate(path, 0);
    EXPECT_EQ(LoadError(), invalid);
}

TEST_F(StartupFiles, TopDownBitmapCountsItsRows) {
    const auto path = assets.Path() / "Bannery.bmp";
    WriteBmp24(path, 400, 120);
    std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(22);
    const int32_t negative = -120;
    f.write(reinterpret_cast<const char*>(&negative), 4);
    f.close();
    const BmpInfo info = ReadBmpInfo(path.string());
    EXPECT_EQ(info.height, 120);
    EXPECT_TRUE(info.topDown);
}

TEST(JpegDecoding, DecodesEveryPixelRow) {
    AssetFolder assets(64, 48);
    const RgbImage img = DecodeJpeg(assets.Dir() + "Mapa.jpg");
    EXPECT_EQ(img.width, 64);
    EXPECT_EQ(img.height, 48);
    ASSERT_EQ(img.rgb.size(), 64u * 48 * 3);
    // The fixture is a left-to-right red ramp.
    EXPECT_LT(img.rgb[0], 40);
    EXPECT_GT(img.rgb[(63) * 3], 200);
}

// Every damaged picture of the front ends' tables, refused by the check
// alone with the message they expect.
TEST(PictureChecks, EveryDamagedPictureIsRefusedWithItsMessage) {
    for (const PictureDamage& row : PictureDamages({"Bannery.bmp"})) {
        SCOPED_TRACE(row.file + " as " + row.damage.what);
        AssetFolder folder;
        const fs::path file = folder.Path() / row.file;
        row.damage.apply(file);
        try {
            if (row.file == "Mapa.jpg")
                CheckJpeg(file.string());
            else
                ReadBmpInfo(file.string());
            ADD_FAILURE() << "taken";
        } catch (const FileError& e) {
            EXPECT_EQ(e.what(), row.damage.message(file.string(), Language::English));
            EXPECT_EQ(e.PolishMessage(), row.damage.message(file.string(), Language::Polish));
            EXPECT_EQ(e.File(), file.string());
        }
    }
}

}  // namespace dzwonex::testing
