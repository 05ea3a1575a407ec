#include "model/Cp1256.h"

#include <cstdint>
#include <unordered_map>

namespace orvex {

namespace {

// Code points of the bytes 0x80..0xFF of Windows-1256.
constexpr char32_t kHighHalf[128] = {
    0x20AC, 0x067E, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0679, 0x2039, 0x0152,
    0x0686, 0x0698, 0x0688, 0x06AF, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x06A9, 0x2122,
    0x0691, 0x203A, 0x0153, 0x200C, 0x200D, 0x06BA, 0x00A0, 0x060C, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x06BE, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, 0x00B0, 0x00B1, 0x00B2, 0x00B3,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x061B, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x061F, 0x06C1,
    0x0621, 0x0622, 0x0623, 0x0624, 0x0625, 0x0626, 0x0627, 0x0628, 0x0629, 0x062A, 0x062B, 0x062C, 0x062D,
    0x062E, 0x062F, 0x0630, 0x0631, 0x0632, 0x0633, 0x0634, 0x0635, 0x0636, 0x00D7, 0x0637, 0x0638, 0x0639,
    0x063A, 0x0640, 0x0641, 0x0642, 0x0643, 0x00E0, 0x0644, 0x00E2, 0x0645, 0x0646, 0x0647, 0x0648, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x0649, 0x064A, 0x00EE, 0x00EF, 0x064B, 0x064C, 0x064D, 0x064E, 0x00F4,
    0x064F, 0x0650, 0x00F7, 0x0651, 0x00F9, 0x0652, 0x00FB, 0x00FC, 0x200E, 0x200F, 0x06D2};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes one code point at `i`, advancing it; an invalid sequence yields U+FFFD.
char32_t NextCodePoint(const std::string& text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int extra = 0;
    char32_t c = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + static_cast<std::size_t>(extra) >= text.size()) {
        i = text.size();
        return 0xFFFD;
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char next = byte(i + static_cast<std::size_t>(k));
        if ((next & 0xC0) != 0x80) {
            i += static_cast<std::size_t>(k);
            return 0xFFFD;
        }
        c = (c << 6) | (next & 0x3F);
    }
    i += static_cast<std::size_t>(extra) + 1;
    return c;
}

const std::unordered_map<char32_t, unsigned char>& EncodeTable() {
    static const std::unordered_map<char32_t, unsigned char> table = [] {
        std::unordered_map<char32_t, unsigned char> t;
        for (int k = 0; k < 128; ++k)
            t.emplace(kHighHalf[k], static_cast<unsigned char>(0x80 + k));
        // Usual stand-ins for Persian forms the code page lacks.
        t.emplace(U'\u06CC', 0xED); // Farsi yeh -> Arabic yeh
        t.emplace(U'\u06C0', 0xC9); // heh with yeh above -> teh marbuta
        const char32_t persianDigits = U'\u06F0';
        const char32_t arabicDigits = U'\u0660';
        for (char32_t d = 0; d < 10; ++d) {
            t.emplace(persianDigits + d, static_cast<unsigned char>('0' + d));
            t.emplace(arabicDigits + d, static_cast<unsigned char>('0' + d));
        }
        return t;
    }();
    return table;
}

} // namespace

std::string Cp1256ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80)
            out.push_back(ch);
        else
            AppendUtf8(out, kHighHalf[byte - 0x80]);
    }
    return out;
}

std::optional<std::string> Utf8ToCp1256(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    const auto& table = EncodeTable();
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = NextCodePoint(text, i);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        const auto found = table.find(c);
        if (found == table.end())
            return std::nullopt;
        out.push_back(static_cast<char>(found->second));
    }
    return out;
}

std::size_t CharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size();) {
        NextCodePoint(text, i);
        ++count;
    }
    return count;
}

std::string FirstCharacters(const std::string& text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t n = 0; n < count && i < text.size(); ++n)
        NextCodePoint(text, i);
    return text.substr(0, i);
}

} // namespace orvex
