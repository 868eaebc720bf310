#pragma once
// Baseline JPEG through libjpeg.
#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

namespace dzwonex::assetgen {

// Baseline (sequential, Huffman-coded) JPEG of `image` at `quality`
// (1..100), 4:2:0 chroma, optimised Huffman tables, no comments.
std::vector<std::uint8_t> EncodeJpeg(const QImage& image, int quality);

// Decodes a JPEG file into an RGB image; throws on failure.
QImage DecodeJpegFile(const std::string& path);

}  // namespace dzwonex::assetgen
