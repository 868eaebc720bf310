#include "SaveFile.h"

#include <QBuffer>
#include <stdexcept>
#include <string_view>

#include "AtomicWrite.h"

namespace dzwonex::assetgen {

void SaveFile(const std::string& path, const std::vector<std::uint8_t>& data) {
    WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
}

void SaveFile(const std::string& path, const QByteArray& data) {
    WriteFileAtomically(path, std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
}

void SaveImage(const std::string& path, const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality)) throw std::runtime_error("cannot encode " + path);
    SaveFile(path, bytes);
}

}  // namespace dzwonex::assetgen
