#include "report/Bitmap.h"

#include <array>
#include <cstdlib>

namespace orvex {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;

enum Compression : std::uint32_t {
    biRgb = 0,
    biRle8 = 1,
    biRle4 = 2,
    biBitFields = 3,
};

// Little-endian reads that report failure instead of reading past the end.
class ByteCursor {
  public:
    explicit ByteCursor(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    bool Has(std::size_t offset, std::size_t count) const {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }
    std::uint8_t U8(std::size_t offset) const { return bytes_[offset]; }
    std::uint16_t U16(std::size_t offset) const {
        return static_cast<std::uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
    }
    std::uint32_t U32(std::size_t offset) const {
        return static_cast<std::uint32_t>(bytes_[offset]) |
               (static_cast<std::uint32_t>(bytes_[offset + 1]) << 8) |
               (static_cast<std::uint32_t>(bytes_[offset + 2]) << 16) |
               (static_cast<std::uint32_t>(bytes_[offset + 3]) << 24);
    }
    std::size_t Size() const { return bytes_.size(); }

  private:
    const std::vector<std::uint8_t>& bytes_;
};

struct BitmapHeader {
    int Width = 0;
    int Height = 0;
    bool TopDown = false;
    std::uint16_t BitCount = 0;
    std::uint32_t Compression = biRgb;
    std::uint32_t PixelOffset = 0;
    std::uint32_t HeaderSize = 0;
    std::uint32_t ColoursUsed = 0;
    std::array<std::uint32_t, 3> Masks{}; // red, green, blue
};

std::optional<BitmapHeader> ReadHeader(const ByteCursor& in) {
    if (!in.Has(0, kFileHeaderSize + 4) || in.U8(0) != 'B' || in.U8(1) != 'M')
        return std::nullopt;
    BitmapHeader h;
    h.PixelOffset = in.U32(10);
    h.HeaderSize = in.U32(kFileHeaderSize);
    if (!in.Has(kFileHeaderSize, h.HeaderSize))
        return std::nullopt;
    std::int64_t width = 0;
    std::int64_t height = 0;
    if (h.HeaderSize == kCoreHeaderSize) {
        width = in.U16(18);
        height = in.U16(20);
        h.BitCount = in.U16(24);
    } else if (h.HeaderSize >= 40) {
        width = static_cast<std::int32_t>(in.U32(18));
        height = static_cast<std::int32_t>(in.U32(22));
        h.BitCount = in.U16(28);
        h.Compression = in.U32(30);
        h.ColoursUsed = in.U32(46);
        if (h.Compression == biBitFields) {
            // The masks follow a 40-byte header and are part of any longer one.
            const std::size_t at = kFileHeaderSize + 40;
            if (!in.Has(at, 12))
                return std::nullopt;
            h.Masks = {in.U32(at), in.U32(at + 4), in.U32(at + 8)};
        }
    } else {
        return std::nullopt;
    }
    if (height < 0) {
        h.TopDown = true;
        height = -height;
    }
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
        static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMaxBitmapPixels)
        return std::nullopt;
    h.Width = static_cast<int>(width);
    h.Height = static_cast<int>(height);
    return h;
}

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

std::optional<std::vector<Rgb>> ReadPalette(const ByteCursor& in, const BitmapHeader& h) {
    const std::size_t entrySize = h.HeaderSize == kCoreHeaderSize ? 3 : 4;
    std::size_t count = std::size_t{1} << h.BitCount;
    if (h.HeaderSize != kCoreHeaderSize && h.ColoursUsed != 0 && h.ColoursUsed < count)
        count = h.ColoursUsed;
    std::size_t at = kFileHeaderSize + h.HeaderSize;
    if (h.HeaderSize == 40 && h.Compression == biBitFields)
        at += 12;
    if (!in.Has(at, count * entrySize))
        return std::nullopt;
    std::vector<Rgb> palette(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t e = at + i * entrySize;
        palette[i] = {in.U8(e + 2), in.U8(e + 1), in.U8(e)};
    }
    // Indices beyond a short palette show black rather than reading past it.
    palette.resize(std::size_t{1} << h.BitCount);
    return palette;
}

// Scales the bits of `value` selected by `mask` to 0..255.
class MaskChannel {
  public:
    explicit MaskChannel(std::uint32_t mask) {
        if (mask == 0)
            return;
        while ((mask & 1u) == 0) {
            mask >>= 1;
            ++shift_;
        }
        max_ = mask;
        while (max_ & (max_ + 1))
            max_ |= max_ >> 1; // a mask with holes is read as its full span
    }
    std::uint8_t operator()(std::uint32_t value) const {
        if (max_ == 0)
            return 0;
        const std::uint64_t v = (value >> shift_) & max_;
        return static_cast<std::uint8_t>((v * 255 + max_ / 2) / max_);
    }

  private:
    int shift_ = 0;
    std::uint32_t max_ = 0;
};

void Put(RgbImage& image, int x, int row, Rgb c) {
    const std::size_t at = (static_cast<std::size_t>(row) * static_cast<std::size_t>(image.Width) +
                            static_cast<std::size_t>(x)) *
                           3;
    image.Pixels[at] = c.r;
    image.Pixels[at + 1] = c.g;
    image.Pixels[at + 2] = c.b;
}

// The image row that file row `fileRow` fills.
int TargetRow(const BitmapHeader& h, int fileRow) {
    return h.TopDown ? fileRow : h.Height - 1 - fileRow;
}

bool DecodeUncompressed(const ByteCursor& in, const BitmapHeader& h, RgbImage& image) {
    const std::uint64_t stride = (static_cast<std::uint64_t>(h.Width) * h.BitCount + 31) / 32 * 4;
    if (!in.Has(h.PixelOffset, 0) ||
        stride * static_cast<std::uint64_t>(h.Height) > in.Size() - h.PixelOffset)
        return false;
    std::vector<Rgb> palette;
    if (h.BitCount <= 8) {
        auto read = ReadPalette(in, h);
        if (!read)
            return false;
        palette = std::move(*read);
    }
    std::array<std::uint32_t, 3> masks = h.Masks;
    if (h.Compression == biRgb && h.BitCount == 16)
        masks = {0x7C00, 0x03E0, 0x001F};
    if (h.Compression == biRgb && h.BitCount == 32)
        masks = {0xFF0000, 0x00FF00, 0x0000FF};
    const MaskChannel red(masks[0]), green(masks[1]), blue(masks[2]);

    for (int fileRow = 0; fileRow < h.Height; ++fileRow) {
        const std::size_t row =
            h.PixelOffset + static_cast<std::size_t>(stride) * static_cast<std::size_t>(fileRow);
        const int target = TargetRow(h, fileRow);
        for (int x = 0; x < h.Width; ++x) {
            const std::size_t ux = static_cast<std::size_t>(x);
            Rgb c;
            switch (h.BitCount) {
            case 1:
                c = palette[(in.U8(row + ux / 8) >> (7 - ux % 8)) & 1u];
                break;
            case 4:
                c = palette[(in.U8(row + ux / 2) >> (ux % 2 == 0 ? 4 : 0)) & 0x0Fu];
                break;
            case 8:
                c = palette[in.U8(row + ux)];
                break;
            case 16: {
                const std::uint32_t v = in.U16(row + ux * 2);
                c = {red(v), green(v), blue(v)};
                break;
            }
            case 24:
                c = {in.U8(row + ux * 3 + 2), in.U8(row + ux * 3 + 1), in.U8(row + ux * 3)};
                break;
            case 32: {
                const std::uint32_t v = in.U32(row + ux * 4);
                c = {red(v), green(v), blue(v)};
                break;
            }
            default:
                return false;
            }
            Put(image, x, target, c);
        }
    }
    return true;
}

// Run-length encoded 8- or 4-bit pixels; pixels the stream does not reach keep palette colour 0.
bool DecodeRunLength(const ByteCursor& in, const BitmapHeader& h, RgbImage& image) {
    if (h.TopDown)
        return false;
    auto read = ReadPalette(in, h);
    if (!read)
        return false;
    const std::vector<Rgb>& palette = *read;
    for (int y = 0; y < h.Height; ++y)
        for (int x = 0; x < h.Width; ++x)
            Put(image, x, y, palette[0]);
    const bool four = h.BitCount == 4;
    std::size_t at = h.PixelOffset;
    int x = 0;
    int fileRow = 0;
    const auto plot = [&](std::uint8_t index) {
        if (x < h.Width && fileRow < h.Height)
            Put(image, x, TargetRow(h, fileRow), palette[index]);
        ++x;
    };
    while (fileRow < h.Height) {
        if (!in.Has(at, 2))
            return false;
        const std::uint8_t count = in.U8(at);
        const std::uint8_t value = in.U8(at + 1);
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                plot(four ? static_cast<std::uint8_t>(i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++fileRow;
        } else if (value == 1) { // end of picture
            break;
        } else if (value == 2) { // move right and up
            if (!in.Has(at, 2))
                return false;
            x += in.U8(at);
            fileRow += in.U8(at + 1);
            at += 2;
        } else { // `value` literal pixels, padded to a 16-bit boundary
            const std::size_t bytes = four ? (value + 1u) / 2u : value;
            if (!in.Has(at, bytes))
                return false;
            for (int i = 0; i < value; ++i) {
                const std::uint8_t b = in.U8(at + static_cast<std::size_t>(four ? i / 2 : i));
                plot(four ? static_cast<std::uint8_t>(i % 2 == 0 ? b >> 4 : b & 0x0F) : b);
            }
            at += bytes + (bytes % 2);
        }
    }
    return true;
}

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
}

} // namespace

std::optional<BitmapSize> ReadBitmapSize(const std::vector<std::uint8_t>& bytes) {
    const auto header = ReadHeader(ByteCursor(bytes));
    if (!header)
        return std::nullopt;
    return BitmapSize{header->Width, header->Height};
}

std::optional<RgbImage> DecodeBitmap(const std::vector<std::uint8_t>& bytes) {
    const ByteCursor in(bytes);
    const auto header = ReadHeader(in);
    if (!header)
        return std::nullopt;
    const BitmapHeader& h = *header;
    RgbImage image;
    image.Width = h.Width;
    image.Height = h.Height;
    image.Pixels.assign(static_cast<std::size_t>(h.Width) * static_cast<std::size_t>(h.Height) * 3, 0);

    bool decoded = false;
    const bool palette = h.BitCount == 1 || h.BitCount == 4 || h.BitCount == 8;
    const bool direct = h.BitCount == 16 || h.BitCount == 24 || h.BitCount == 32;
    if (h.Compression == biRgb && (palette || direct))
        decoded = DecodeUncompressed(in, h, image);
    else if (h.Compression == biBitFields && (h.BitCount == 16 || h.BitCount == 32))
        decoded = DecodeUncompressed(in, h, image);
    else if ((h.Compression == biRle8 && h.BitCount == 8) || (h.Compression == biRle4 && h.BitCount == 4))
        decoded = DecodeRunLength(in, h, image);
    if (!decoded)
        return std::nullopt;
    return image;
}

std::vector<std::uint8_t> EncodeBitmap(const RgbImage& image) {
    const std::uint32_t width = static_cast<std::uint32_t>(image.Width);
    const std::uint32_t height = static_cast<std::uint32_t>(image.Height);
    const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixelOffset = 14 + 40;
    std::vector<std::uint8_t> out;
    out.reserve(pixelOffset + static_cast<std::size_t>(stride) * height);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, pixelOffset + stride * height);
    PutU32(out, 0);
    PutU32(out, pixelOffset);
    PutU32(out, 40);
    PutU32(out, width);
    PutU32(out, height);
    PutU16(out, 1);
    PutU16(out, 24);
    PutU32(out, biRgb);
    PutU32(out, stride * height);
    PutU32(out, 3780); // 96 pixels an inch
    PutU32(out, 3780);
    PutU32(out, 0);
    PutU32(out, 0);
    for (std::uint32_t fileRow = 0; fileRow < height; ++fileRow) {
        const std::size_t row = height - 1 - fileRow;
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::size_t at = (row * width + x) * 3;
            out.push_back(image.Pixels[at + 2]);
            out.push_back(image.Pixels[at + 1]);
            out.push_back(image.Pixels[at]);
        }
        for (std::uint32_t pad = width * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

} // namespace orvex
