#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace orvex {

// A read position in a byte buffer. Every read either takes all the bytes it asks for and
// advances, or returns false and leaves the cursor where it was: nothing ever reads past the end.
// Multi-byte integers are little-endian.
// The unsigned integer of `width` (at most 8) little-endian bytes at `bytes`.
inline std::uint64_t LittleEndian(const char* bytes, std::size_t width) {
    if constexpr (std::endian::native == std::endian::little) {
        std::uint64_t value = 0;
        std::memcpy(&value, bytes, width); // one load where the layouts agree
        return value;
    } else {
        std::uint64_t value = 0;
        for (std::size_t i = width; i-- > 0;)
            value = (value << 8) | static_cast<unsigned char>(bytes[i]);
        return value;
    }
}

class ByteCursor {
  public:
    explicit ByteCursor(std::string_view bytes) : data_(bytes.data()), size_(bytes.size()) {}

    std::size_t Remaining() const { return size_ - offset_; }
    std::size_t Offset() const { return offset_; }

    bool ReadBytes(std::size_t count, std::string_view& out) {
        if (count > Remaining())
            return false;
        out = std::string_view(data_ + offset_, count);
        offset_ += count;
        return true;
    }

    bool ReadU8(std::uint8_t& out) {
        std::uint64_t value = 0;
        if (!ReadLittleEndian(1, value))
            return false;
        out = static_cast<std::uint8_t>(value);
        return true;
    }

    bool ReadI64(std::int64_t& out) {
        std::uint64_t value = 0;
        if (!ReadLittleEndian(8, value))
            return false;
        out = static_cast<std::int64_t>(value);
        return true;
    }

    // An IEEE 754 double, bit for bit (NaN payloads included).
    bool ReadF64(double& out) {
        std::uint64_t bits = 0;
        if (!ReadLittleEndian(8, bits))
            return false;
        std::memcpy(&out, &bits, sizeof out);
        return true;
    }

  private:
    bool ReadLittleEndian(std::size_t width, std::uint64_t& out) {
        std::string_view bytes;
        if (!ReadBytes(width, bytes))
            return false;
        out = LittleEndian(bytes.data(), width);
        return true;
    }

    const char* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
};

} // namespace orvex
