#include "report/Png.h"

#include <array>
#include <string_view>

namespace orvex {

namespace {

std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
    static const std::array<std::uint32_t, 256> table = MakeCrcTable();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFFu] ^ (crc >> 8);
    return ~crc;
}

std::uint32_t Adler32(const std::vector<std::uint8_t>& data) {
    constexpr std::uint32_t kModulus = 65521;
    std::uint32_t a = 1, b = 0;
    std::size_t i = 0;
    while (i < data.size()) {
        // 5552 bytes is the longest run whose sums cannot overflow 32 bits before the reduction.
        const std::size_t end = std::min(data.size(), i + 5552);
        for (; i < end; ++i) {
            a += data[i];
            b += a;
        }
        a %= kModulus;
        b %= kModulus;
    }
    return (b << 16) | a;
}

// Deflate bit stream: fields are packed from the least significant bit, Huffman codes from their
// most significant bit.
class BitWriter {
  public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void Bits(std::uint32_t value, int count) {
        buffer_ |= static_cast<std::uint64_t>(value) << filled_;
        filled_ += count;
        while (filled_ >= 8) {
            out_.push_back(static_cast<std::uint8_t>(buffer_ & 0xFFu));
            buffer_ >>= 8;
            filled_ -= 8;
        }
    }
    void Code(std::uint32_t code, int length) {
        std::uint32_t reversed = 0;
        for (int i = 0; i < length; ++i)
            reversed |= ((code >> i) & 1u) << (length - 1 - i);
        Bits(reversed, length);
    }
    void Flush() {
        if (filled_ > 0)
            out_.push_back(static_cast<std::uint8_t>(buffer_ & 0xFFu));
        buffer_ = 0;
        filled_ = 0;
    }

  private:
    std::vector<std::uint8_t>& out_;
    std::uint64_t buffer_ = 0;
    int filled_ = 0;
};

// The fixed literal/length code of RFC 1951 section 3.2.6.
void WriteSymbol(BitWriter& bits, std::uint32_t symbol) {
    if (symbol <= 143)
        bits.Code(0x30 + symbol, 8);
    else if (symbol <= 255)
        bits.Code(0x190 + (symbol - 144), 9);
    else if (symbol <= 279)
        bits.Code(symbol - 256, 7);
    else
        bits.Code(0xC0 + (symbol - 280), 8);
}

constexpr std::array<std::uint16_t, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                       15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                       67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                         6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr std::size_t kMaxMatch = 258;
constexpr std::size_t kMaxDistance = 32768;

void WriteMatch(BitWriter& bits, std::size_t length, std::size_t distance) {
    std::size_t code = kLengthBase.size() - 1;
    while (kLengthBase[code] > length)
        --code;
    WriteSymbol(bits, static_cast<std::uint32_t>(257 + code));
    bits.Bits(static_cast<std::uint32_t>(length - kLengthBase[code]), kLengthExtra[code]);
    std::size_t dcode = kDistanceBase.size() - 1;
    while (kDistanceBase[dcode] > distance)
        --dcode;
    bits.Code(static_cast<std::uint32_t>(dcode), 5);
    bits.Bits(static_cast<std::uint32_t>(distance - kDistanceBase[dcode]), kDistanceExtra[dcode]);
}

std::size_t MatchLength(const std::vector<std::uint8_t>& data, std::size_t at, std::size_t distance) {
    if (distance == 0 || distance > at || distance > kMaxDistance)
        return 0;
    const std::size_t limit = std::min(kMaxMatch, data.size() - at);
    std::size_t length = 0;
    while (length < limit && data[at + length] == data[at + length - distance])
        ++length;
    return length;
}

// One fixed-code block; matches are tried only at the distance of one pixel and of one row.
std::vector<std::uint8_t> Deflate(const std::vector<std::uint8_t>& data, std::size_t rowSize) {
    std::vector<std::uint8_t> out;
    out.reserve(data.size() / 8 + 64);
    BitWriter bits(out);
    bits.Bits(1, 1); // final block
    bits.Bits(1, 2); // fixed Huffman codes
    std::size_t at = 0;
    while (at < data.size()) {
        std::size_t best = 0;
        std::size_t bestDistance = 0;
        for (const std::size_t distance : {std::size_t{3}, rowSize}) {
            const std::size_t length = MatchLength(data, at, distance);
            if (length > best) {
                best = length;
                bestDistance = distance;
            }
        }
        if (best >= 3) {
            WriteMatch(bits, best, bestDistance);
            at += best;
        } else {
            WriteSymbol(bits, data[at]);
            ++at;
        }
    }
    WriteSymbol(bits, 256);
    bits.Flush();
    return out;
}

void PutU32BigEndian(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFFu));
}

void PutChunk(std::vector<std::uint8_t>& out, std::string_view type, const std::vector<std::uint8_t>& data) {
    PutU32BigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    PutU32BigEndian(out, Crc32(out.data() + typeAt, out.size() - typeAt));
}

} // namespace

std::vector<std::uint8_t> EncodePng(const RgbImage& image) {
    const std::size_t width = static_cast<std::size_t>(image.Width);
    const std::size_t height = static_cast<std::size_t>(image.Height);
    const std::size_t rowSize = width * 3 + 1;

    std::vector<std::uint8_t> raw;
    raw.reserve(rowSize * height);
    for (std::size_t y = 0; y < height; ++y) {
        raw.push_back(0); // filter: none
        const auto row = image.Pixels.begin() + static_cast<std::ptrdiff_t>(y * width * 3);
        raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(width * 3));
    }

    std::vector<std::uint8_t> zlib = {0x78, 0x01};
    const std::vector<std::uint8_t> deflated = Deflate(raw, rowSize);
    zlib.insert(zlib.end(), deflated.begin(), deflated.end());
    PutU32BigEndian(zlib, Adler32(raw));

    std::vector<std::uint8_t> header;
    PutU32BigEndian(header, static_cast<std::uint32_t>(width));
    PutU32BigEndian(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB, deflate, adaptive filters, no interlace

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", {});
    return png;
}

} // namespace orvex
