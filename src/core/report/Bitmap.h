#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace orvex {

// Pixels of a picture as 8-bit red, green, blue triples, top row first.
struct RgbImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Pixels; // Width × Height × 3 bytes
};

struct BitmapSize {
    int Width = 0;
    int Height = 0;
};

// Pictures larger than this are refused rather than decoded.
constexpr int kMaxBitmapSide = 16384;
constexpr std::uint64_t kMaxBitmapPixels = 16u * 1024u * 1024u;

// Width and height from the headers of a Windows BMP file image; nothing when the headers are
// missing, truncated or state a size that is not positive or beyond the limits above.
std::optional<BitmapSize> ReadBitmapSize(const std::vector<std::uint8_t>& bytes);

// The pixels of a Windows BMP file image: 1, 4, 8, 16, 24 or 32 bits a pixel, uncompressed, with
// bit-field masks, or run-length encoded (8 and 4 bits). Nothing for a damaged or unsupported
// file; never reads outside `bytes`.
std::optional<RgbImage> DecodeBitmap(const std::vector<std::uint8_t>& bytes);

// A 24-bit uncompressed BMP file image of `image`.
std::vector<std::uint8_t> EncodeBitmap(const RgbImage& image);

} // namespace orvex
