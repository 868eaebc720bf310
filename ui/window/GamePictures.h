#pragma once
#include <future>
#include <optional>
#include <string>

#include <QImage>
#include <QString>

#include "MapPaint.h"
#include "Pictures.h"

namespace dzwonex {

// The window's pictures over a game's life: read on a thread of their own
// while the window builds its pages, the map decoded only when it is first
// shown (until then the game goes without the picture's 4.5 MB), and all
// let go at the end.
class GamePictures {
public:
    // Starts reading the pictures from `dir` (ending in '/').
    void BeginReading(const std::string& dir);
    // Waits for them; throws the FileError of the first file that failed.
    // The icons are kept here; the banner strip and the map's size are for
    // the caller.
    struct FirstFrame {
        QImage banners;
        JpegSize mapSize;
    };
    FirstFrame FinishReading();
    // Decodes the map picture if that is still to be done; the message for
    // the player, naming the file, when it could not be (damaged past its
    // header, or memory ran out): the map stays blank and the game goes on.
    std::optional<QString> DecodeMap(Language language);
    // What the map page draws.
    const MapPictures& Pictures() const { return pictures_; }
    void Release();

private:
    std::future<StartupPictures> reading_;
    MapPictures pictures_;    // the map picture and the six icons
    MapPictureFile mapFile_;  // its header checked, waiting to be decoded
    bool mapPending_ = false;
};

}  // namespace dzwonex
