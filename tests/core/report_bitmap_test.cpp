// Reading the pictures of sections and drawings: every BMP layout a library may hold, and damaged
// files, which must be refused without reading outside the bytes.

#include "report/Bitmap.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace orvex;
using Bytes = std::vector<std::uint8_t>;

namespace {

using Colour = std::array<std::uint8_t, 3>;
const Colour kBlack{0, 0, 0}, kWhite{255, 255, 255}, kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255},
    kYellow{255, 255, 0};

// The 3 × 2 picture most cases hold: red, green, blue over white, black, yellow.
const std::vector<Colour> kSixColours = {kRed, kGreen, kBlue, kWhite, kBlack, kYellow};

void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

struct Layout {
    std::uint32_t headerSize = 40;
    std::int32_t height = 2; // negative: top row first
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    Bytes extra; // masks and palette, as they follow the header
    Bytes pixels;
    std::uint32_t coloursUsed = 0;
};

Bytes MakeBmp(const Layout& l) {
    Bytes header;
    if (l.headerSize == 12) {
        Put16(header, 3);
        Put16(header, static_cast<std::uint32_t>(l.height));
        Put16(header, 1);
        Put16(header, l.bitCount);
    } else {
        Put32(header, 3);
        Put32(header, static_cast<std::uint32_t>(l.height));
        Put16(header, 1);
        Put16(header, l.bitCount);
        Put32(header, l.compression);
        Put32(header, static_cast<std::uint32_t>(l.pixels.size()));
        Put32(header, 3780);
        Put32(header, 3780);
        Put32(header, l.coloursUsed);
        Put32(header, 0);
        header.resize(l.headerSize - 4, 0);
    }
    const std::uint32_t offset = 14 + 4 + static_cast<std::uint32_t>(header.size() + l.extra.size());
    Bytes out = {'B', 'M'};
    Put32(out, offset + static_cast<std::uint32_t>(l.pixels.size()));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, l.headerSize);
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), l.extra.begin(), l.extra.end());
    out.insert(out.end(), l.pixels.begin(), l.pixels.end());
    return out;
}

// black, white, red, green, blue, yellow as 4-byte palette entries (blue, green, red, 0)
Bytes Palette(std::size_t entrySize = 4) {
    Bytes p;
    for (const Colour& c : {kBlack, kWhite, kRed, kGreen, kBlue, kYellow}) {
        p.insert(p.end(), {c[2], c[1], c[0]});
        if (entrySize == 4)
            p.push_back(0);
    }
    return p;
}

struct DecodeCase {
    const char* name;
    Layout layout;
    std::vector<Colour> expected;
};

std::vector<Colour> Pixels(const RgbImage& image) {
    std::vector<Colour> out;
    for (std::size_t i = 0; i + 2 < image.Pixels.size(); i += 3)
        out.push_back({image.Pixels[i], image.Pixels[i + 1], image.Pixels[i + 2]});
    return out;
}

std::vector<DecodeCase> DecodeCases() {
    Bytes masks565;
    for (const std::uint32_t m : {0xF800u, 0x07E0u, 0x001Fu})
        Put32(masks565, m);
    return {
        {"24 bits, bottom row first",
         {40, 2, 24, 0, {}, {255, 255, 255, 0, 0,   0, 0,   255, 255, 0, 0, 0,
                             0,   0,   255, 0, 255, 0, 255, 0,   0,   0, 0, 0}},
         kSixColours},
        {"24 bits, top row first",
         {40, -2, 24, 0, {}, {0,   0,   255, 0, 255, 0, 255, 0,   0,   0, 0, 0,
                              255, 255, 255, 0, 0,   0, 0,   255, 255, 0, 0, 0}},
         kSixColours},
        {"24 bits, core header",
         {12, 2, 24, 0, {}, {255, 255, 255, 0, 0,   0, 0,   255, 255, 0, 0, 0,
                             0,   0,   255, 0, 255, 0, 255, 0,   0,   0, 0, 0}},
         kSixColours},
        {"24 bits, version 5 header",
         {124, 2, 24, 0, {}, {255, 255, 255, 0, 0,   0, 0,   255, 255, 0, 0, 0,
                              0,   0,   255, 0, 255, 0, 255, 0,   0,   0, 0, 0}},
         kSixColours},
        {"32 bits",
         {40, 2, 32, 0, {}, {255, 255, 255, 0, 0, 0,   0, 0, 0,   255, 255, 0,
                             0,   0,   255, 0, 0, 255, 0, 0, 255, 0,   0,   0}},
         kSixColours},
        {"16 bits, 5-5-5",
         {40, 2, 16, 0, {}, {0xFF, 0x7F, 0, 0, 0xE0, 0x7F, 0, 0, 0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0}},
         kSixColours},
        {"16 bits, 5-6-5 masks",
         {40,
          2,
          16,
          3,
          masks565,
          {0xFF, 0xFF, 0, 0, 0xE0, 0xFF, 0, 0, 0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0}},
         kSixColours},
        {"8 bits, palette", {40, 2, 8, 0, Palette(), {1, 0, 5, 0, 2, 3, 4, 0}, 6}, kSixColours},
        {"8 bits, core header palette",
         {12,
          2,
          8,
          0,
          [] {
              Bytes p = Palette(3);
              p.resize(256 * 3, 0);
              return p;
          }(),
          {1, 0, 5, 0, 2, 3, 4, 0}},
         kSixColours},
        {"4 bits, palette", {40, 2, 4, 0, Palette(), {0x10, 0x50, 0, 0, 0x23, 0x40, 0, 0}, 6}, kSixColours},
        {"1 bit",
         {40, 2, 1, 0, Palette(), {0xC0, 0, 0, 0, 0x40, 0, 0, 0}, 6},
         {kBlack, kWhite, kBlack, kWhite, kWhite, kBlack}},
        {"8 bits, run-length",
         {40,
          2,
          8,
          1,
          Palette(),
          {2, 1, 1, 5, 0, 0, /* absolute run of 3, padded */ 0, 3, 2, 3, 4, 0, 0, 1},
          6},
         {kRed, kGreen, kBlue, kWhite, kWhite, kYellow}},
        {"8 bits, run-length with a jump",
         {40, 2, 8, 1, Palette(), {0, 2, 1, 1, 1, 2, 0, 1}, 6},
         // the jump skips to the top row's middle pixel; skipped pixels keep colour 0
         {kBlack, kRed, kBlack, kBlack, kBlack, kBlack}},
        {"4 bits, run-length",
         {40, 2, 4, 2, Palette(), {2, 0x11, 1, 0x50, 0, 0, 0, 3, 0x23, 0x40, 0, 1}, 6},
         {kRed, kGreen, kBlue, kWhite, kWhite, kYellow}},
    };
}

TEST(Bitmap, DecodesEveryLayout) {
    for (const DecodeCase& c : DecodeCases()) {
        SCOPED_TRACE(c.name);
        const Bytes bytes = MakeBmp(c.layout);
        const auto size = ReadBitmapSize(bytes);
        ASSERT_TRUE(size);
        EXPECT_EQ(size->Width, 3);
        EXPECT_EQ(size->Height, 2);
        const auto image = DecodeBitmap(bytes);
        ASSERT_TRUE(image);
        EXPECT_EQ(Pixels(*image), c.expected);
    }
}

TEST(Bitmap, EncodedPictureDecodesToTheSamePixels) {
    RgbImage image;
    image.Width = 5; // rows need padding
    image.Height = 3;
    for (int i = 0; i < 45; ++i)
        image.Pixels.push_back(static_cast<std::uint8_t>(i * 37));
    const Bytes bytes = EncodeBitmap(image);
    const auto decoded = DecodeBitmap(bytes);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->Pixels, image.Pixels);
}

TEST(Bitmap, DamagedFilesAreRefused) {
    const Bytes good = MakeBmp(DecodeCases()[0].layout);
    const auto changed = [&](std::size_t at, std::vector<std::uint8_t> bytes) {
        Bytes b = good;
        std::copy(bytes.begin(), bytes.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
        return b;
    };
    struct Case {
        const char* name;
        Bytes bytes;
        bool sizeReadable;
    };
    const Case cases[] = {
        {"empty", {}, false},
        {"not a bitmap", changed(0, {'P', 'K'}), false},
        {"header cut short", Bytes(good.begin(), good.begin() + 30), false},
        {"unknown header size", changed(14, {20, 0, 0, 0}), false},
        {"zero width", changed(18, {0, 0, 0, 0}), false},
        {"negative width", changed(18, {0xFD, 0xFF, 0xFF, 0xFF}), false},
        {"zero height", changed(22, {0, 0, 0, 0}), false},
        {"huge", changed(18, {0, 0, 1, 0}), false},
        {"too many pixels", changed(18, {0, 0x40, 0, 0, 0, 0x40, 0, 0}), false},
        {"pixels cut short", Bytes(good.begin(), good.end() - 1), true},
        {"pixel offset beyond the end", changed(10, {0xFF, 0xFF, 0xFF, 0x7F}), true},
        {"unknown bit count", changed(28, {7, 0}), true},
        {"unknown compression", changed(30, {4, 0, 0, 0}), true},
        {"palette cut short",
         [] {
             Bytes b = MakeBmp({40, 2, 8, 0, Palette(), {1, 0, 5, 0, 2, 3, 4, 0}, 6});
             b[46] = 200; // colours used: more entries than the file holds
             b.resize(14 + 40 + 16);
             return b;
         }(),
         true},
        {"run-length stream without its end", MakeBmp({40, 2, 8, 1, Palette(), {2, 1, 1}, 6}), true},
        {"run-length top row first", MakeBmp({40, -2, 8, 1, Palette(), {0, 1}, 6}), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadBitmapSize(c.bytes).has_value(), c.sizeReadable);
        EXPECT_FALSE(DecodeBitmap(c.bytes));
    }
}

// Every prefix and every single-byte change of each layout: decoding may fail but must stay within
// the bytes (the sanitizer build catches a stray read).
TEST(Bitmap, NoPrefixOrByteChangeReadsOutsideTheFile) {
    for (const DecodeCase& c : DecodeCases()) {
        SCOPED_TRACE(c.name);
        const Bytes bytes = MakeBmp(c.layout);
        for (std::size_t n = 0; n < bytes.size(); ++n) {
            const Bytes prefix(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
            (void)ReadBitmapSize(prefix);
            (void)DecodeBitmap(prefix);
        }
        for (std::size_t at = 0; at < bytes.size(); ++at)
            for (const std::uint8_t value : {std::uint8_t{0}, std::uint8_t{0x7F}, std::uint8_t{0xFF}}) {
                Bytes spoiled = bytes;
                spoiled[at] = value;
                (void)DecodeBitmap(spoiled);
            }
    }
}

} // namespace
