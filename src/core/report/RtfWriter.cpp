#include "report/RtfWriter.h"

#include "report/Bitmap.h"
#include "report/Png.h"

#include <array>
#include <cstdio>

namespace orvex {

namespace {

// A4 with 20 mm margins, in twips.
constexpr int kPageWidth = 11906;
constexpr int kPageHeight = 16838;
constexpr int kMargin = 1134;
constexpr int kTextWidth = kPageWidth - 2 * kMargin;
constexpr int kTwipsPerPixel = 15; // 96 pixels an inch
constexpr std::size_t kHexLineLength = 128;

const char* const kHeader = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
                            "{\\fonttbl"
                            "{\\f0\\fmodern\\fprq1\\fcharset178 Courier New;}"
                            "{\\f1\\fswiss\\fprq2\\fcharset0 Arial;}"
                            "{\\f2\\fmodern\\fprq1\\fcharset0 Courier New;}}\n"
                            "{\\colortbl;"
                            "\\red0\\green0\\blue0;"     // 1 window text
                            "\\red0\\green0\\blue255;"   // 2 blue
                            "\\red0\\green128\\blue0;"   // 3 green
                            "\\red255\\green0\\blue0;"   // 4 red
                            "\\red128\\green128\\blue0;" // 5 olive
                            "\\red255\\green255\\blue255;}\n"
                            "{\\*\\background{\\shp{\\*\\shpinst{\\sp{\\sn fillColor}{\\sv 16777215}}}}}\n";

struct RtfTextStyle {
    int Font;
    int HalfPoints;
    bool Bold;
    int Colour;
};

// Indexed by TextStyle.
constexpr std::array<RtfTextStyle, 6> kTextStyles = {{
    {0, 20, false, 1}, // NormalText
    {1, 36, true, 2},  // MainHeading
    {1, 24, true, 3},  // MajorHeading
    {1, 24, true, 4},  // Error
    {2, 20, true, 5},  // Heading3
    {2, 20, false, 4}, // Error2
}};

// Font, size, weight and colour for left-to-right and right-to-left text alike.
std::string CharacterFormat(TextStyle style) {
    const RtfTextStyle& s = kTextStyles.at(static_cast<std::size_t>(style));
    std::string out = "\\f" + std::to_string(s.Font) + "\\af" + std::to_string(s.Font) + "\\fs" +
                      std::to_string(s.HalfPoints) + "\\afs" + std::to_string(s.HalfPoints) + "\\cf" +
                      std::to_string(s.Colour);
    out += s.Bold ? "\\b\\ab" : "\\b0\\ab0";
    return out;
}

const char* Alignment(ParaStyle para) {
    return para == ParaStyle::Centered ? "\\qc" : "\\ql";
}

// One code point of UTF-8 text; an invalid sequence gives U+FFFD and skips one byte.
char32_t NextCodePoint(const std::string& text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    int count = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        count = 1;
        cp = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        count = 2;
        cp = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        count = 3;
        cp = lead & 0x07u;
    } else {
        ++at;
        return 0xFFFD;
    }
    if (text.size() - at <= static_cast<std::size_t>(count)) { // truncated sequence
        ++at;
        return 0xFFFD;
    }
    for (int i = 1; i <= count; ++i) {
        const unsigned char c = byte(at + static_cast<std::size_t>(i));
        if ((c & 0xC0) != 0x80) {
            ++at;
            return 0xFFFD;
        }
        cp = (cp << 6) | (c & 0x3Fu);
    }
    at += static_cast<std::size_t>(count) + 1;
    const char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
    if (cp < minimum[count] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0xFFFD;
    return cp;
}

enum class Direction { Left, Right, Neutral };

Direction DirectionOf(char32_t cp) {
    if ((cp >= 0x0590 && cp <= 0x08FF) || (cp >= 0xFB1D && cp <= 0xFDFF) || (cp >= 0xFE70 && cp <= 0xFEFF))
        return Direction::Right;
    if ((cp >= 'A' && cp <= 'Z') || (cp >= 'a' && cp <= 'z') || (cp >= '0' && cp <= '9') ||
        (cp >= 0xC0 && cp < 0x0590))
        return Direction::Left;
    return Direction::Neutral;
}

void AppendUnicode(std::string& out, char32_t unit) {
    // \u takes a signed 16-bit number; "?" stands in for readers without Unicode.
    const int value = unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit);
    out += "\\u" + std::to_string(value) + "?";
}

void AppendEscaped(std::string& out, char32_t cp) {
    if (cp == '\\' || cp == '{' || cp == '}') {
        out += '\\';
        out += static_cast<char>(cp);
    } else if (cp == '\t') {
        out += "\\tab ";
    } else if (cp < 0x20 || cp == 0x7F) {
        // control characters have no place in a report line
    } else if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp <= 0xFFFF) {
        AppendUnicode(out, cp);
    } else {
        const char32_t v = cp - 0x10000;
        AppendUnicode(out, 0xD800 + (v >> 10));
        AppendUnicode(out, 0xDC00 + (v & 0x3FF));
    }
}

// The text as runs of one direction each: right-to-left letters with the blanks and marks
// between them form one right-to-left run, everything else is left to right (the paragraph's
// own direction). Each run carries `format`.
void AppendRuns(std::string& out, const std::string& text, const std::string& format) {
    std::vector<char32_t> points;
    std::vector<Direction> directions;
    for (std::size_t at = 0; at < text.size();) {
        points.push_back(NextCodePoint(text, at));
        directions.push_back(DirectionOf(points.back()));
    }
    const std::size_t n = points.size();
    // A neutral joins a right-to-left run only when right-to-left letters stand on both sides.
    std::vector<Direction> resolved(directions);
    Direction previous = Direction::Left;
    for (std::size_t i = 0; i < n; ++i) {
        if (directions[i] != Direction::Neutral) {
            previous = directions[i];
            continue;
        }
        std::size_t j = i;
        while (j < n && directions[j] == Direction::Neutral)
            ++j;
        const Direction next = j < n ? directions[j] : Direction::Left;
        const Direction fill =
            previous == Direction::Right && next == Direction::Right ? Direction::Right : Direction::Left;
        for (std::size_t k = i; k < j; ++k)
            resolved[k] = fill;
        i = j - 1;
    }
    for (std::size_t i = 0; i < n;) {
        const Direction d = resolved[i];
        // The character properties follow the direction control: readers apply \\f, \\fs and \\b to
        // the script of the run they are in.
        out += d == Direction::Right ? "{\\rtlch" : "{\\ltrch";
        out += format;
        out += ' ';
        for (; i < n && resolved[i] == d; ++i)
            AppendEscaped(out, points[i]);
        out += '}';
    }
}

void AppendHex(std::string& out, const std::vector<std::uint8_t>& bytes) {
    static const char digits[] = "0123456789abcdef";
    out.reserve(out.size() + bytes.size() * 2 + bytes.size() / (kHexLineLength / 2) + 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % (kHexLineLength / 2) == 0)
            out += '\n';
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 0x0F];
    }
}

void AppendPictureData(std::string& out, const ReportPicture& picture) {
    if (!picture.Bitmap || picture.Width <= 0 || picture.Height <= 0)
        return;
    const auto image = DecodeBitmap(*picture.Bitmap);
    if (!image)
        return;
    out += "{\\pict\\pngblip\\picw" + std::to_string(image->Width) + "\\pich" +
           std::to_string(image->Height) + "\\picwgoal" + std::to_string(image->Width * kTwipsPerPixel) +
           "\\pichgoal" + std::to_string(image->Height * kTwipsPerPixel);
    AppendHex(out, EncodePng(*image));
    out += "\n}";
}

// Paragraph start; `inTable` for paragraphs inside a table cell.
void AppendParagraphStart(std::string& out, ParaStyle para, bool inTable) {
    out += "\\pard\\plain";
    if (inTable)
        out += "\\intbl";
    out += "\\ltrpar";
    out += Alignment(para);
}

// A paragraph without its ending control (\par or \cell).
void AppendBody(std::string& out, const ReportLine& line, bool inTable) {
    AppendParagraphStart(out, line.Para, inTable);
    const std::string format = CharacterFormat(line.Style);
    out += format; // for the paragraph mark, which sets the height of an empty line
    out += ' ';
    AppendRuns(out, line.Text, format);
}

void AppendBody(std::string& out, const ReportPicture& picture, bool inTable) {
    AppendParagraphStart(out, picture.Para, inTable);
    out += ' ';
    AppendPictureData(out, picture);
}

void AppendItem(std::string& out, const ReportLine& line) {
    AppendBody(out, line, false);
    out += "\\par\n";
}

void AppendItem(std::string& out, const ReportPicture& picture) {
    AppendBody(out, picture, false);
    out += "\\par\n";
}

void AppendItem(std::string& out, const ReportRule&) {
    out += "\\pard\\plain\\ltrpar\\sb40\\sa80\\brdrb\\brdrs\\brdrw15\\brsp20\\fs8\\par\n";
}

std::string BorderWidth(int pixels) {
    return "\\brdrs\\brdrw" + std::to_string(std::max(pixels, 1) * kTwipsPerPixel);
}

void AppendItem(std::string& out, const ReportTable& table) {
    if (table.Rows <= 0 || table.Columns <= 0)
        return;
    const std::string outer = BorderWidth(table.BorderWidth);
    const std::string inner = BorderWidth(table.CellBorderWidth);
    const int columnWidth = kTextWidth / table.Columns;
    for (int row = 0; row < table.Rows; ++row) {
        out += "\\trowd\\trgaph70\\trleft0\\trbrdrt" + outer + "\\trbrdrl" + outer + "\\trbrdrb" + outer +
               "\\trbrdrr" + outer + "\n";
        for (int column = 0; column < table.Columns; ++column) {
            const int right = column == table.Columns - 1 ? kTextWidth : (column + 1) * columnWidth;
            out += "\\clvertalt\\clbrdrt" + inner + "\\clbrdrl" + inner + "\\clbrdrb" + inner + "\\clbrdrr" +
                   inner + "\\cellx" + std::to_string(right) + "\n";
        }
        for (int column = 0; column < table.Columns; ++column) {
            const ReportCell& cell = table.Cell(row, column);
            if (cell.Items.empty())
                out += "\\pard\\plain\\intbl\\ltrpar\\ql ";
            for (std::size_t i = 0; i < cell.Items.size(); ++i) {
                std::visit([&out](const auto& item) { AppendBody(out, item, true); }, cell.Items[i]);
                if (i + 1 < cell.Items.size())
                    out += "\\par\n";
            }
            out += "\\cell\n";
        }
        out += "\\row\n";
    }
    out += "\\pard\\plain\n";
}

} // namespace

std::string WriteRtf(const ReportDocument& document) {
    std::string out = kHeader;
    out += "\\paperw" + std::to_string(kPageWidth) + "\\paperh" + std::to_string(kPageHeight) + "\\margl" +
           std::to_string(kMargin) + "\\margr" + std::to_string(kMargin) + "\\margt" +
           std::to_string(kMargin) + "\\margb" + std::to_string(kMargin) + "\\viewkind4\n";
    for (const ReportItem& item : document.Items())
        std::visit([&out](const auto& i) { AppendItem(out, i); }, item);
    out += "}\n";
    return out;
}

} // namespace orvex
