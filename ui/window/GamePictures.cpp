#include "GamePictures.h"

#include "WordedError.h"

namespace dzwonex {

void GamePictures::BeginReading(const std::string& dir) {
    reading_ = std::async(std::launch::async, [dir] { return ReadStartupPictures(dir); });
}

GamePictures::FirstFrame GamePictures::FinishReading() {
    StartupPictures read = reading_.get();
    // A map file that is missing, unreadable or not a usable JPEG has
    // stopped the start-up; its decoding waits until the map is first shown.
    mapFile_ = std::move(read.map);
    mapPending_ = true;
    pictures_.icons = std::move(read.icons);
    return {std::move(read.banners), read.mapSize};
}

std::optional<QString> GamePictures::DecodeMap(Language language) {
    if (!mapPending_) return std::nullopt;
    mapPending_ = false;
    try {
        pictures_.map = mapFile_.Decode();
    } catch (const FileError& e) {
        return QString::fromStdString(Worded(e, language));
    }
    return std::nullopt;
}

void GamePictures::Release() {
    // Pictures still being read are waited for, so no thread outlives them.
    if (reading_.valid()) reading_.wait();
    mapPending_ = false;
    mapFile_ = {};
    for (QImage& icon : pictures_.icons) icon = QImage();
    pictures_.map = QImage();
}

}  // namespace dzwonex
