#include "library/TableText.h"

#include "library/Completion.h"
#include "model/Cp1256.h"
#include "model/Units.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

namespace orvex {

namespace {

constexpr std::string_view kNameHeader = "NAME";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string Encoded(const std::string& text, const std::string& what) {
    // A tab or line break inside a name would shift the fields of the line when it is read back.
    if (text.find_first_of("\t\r\n") != std::string::npos)
        throw Error(what + " \"" + text + "\" holds a tab or line break, which a text file cannot keep");
    const std::optional<std::string> bytes = Utf8ToCp1256(text);
    if (!bytes)
        throw Error(what + " \"" + text + "\" has a character that Windows-1256 cannot hold");
    return *bytes;
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// True when the bytes are well-formed UTF-8 with at least one character beyond ASCII. Windows-1256
// text with Persian letters practically never is: its letters are lead bytes followed by letters,
// not by continuation bytes.
bool IsUtf8Text(std::string_view bytes) {
    bool beyondAscii = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t extra = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
            high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + extra >= bytes.size())
            return false;
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        if (second < low || second > high)
            return false;
        for (std::size_t k = 2; k <= extra; ++k)
            if (!IsContinuation(static_cast<unsigned char>(bytes[i + k])))
                return false;
        i += extra + 1;
        beyondAscii = true;
    }
    return beyondAscii;
}

// Lines end with CR LF, a lone LF or a lone CR; a line end after the last line opens no new line.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

// Fields are separated by tabs; a tab that ends the line opens no further field.
std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    if (line.empty())
        return fields;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    if (start < line.size())
        fields.push_back(line.substr(start));
    return fields;
}

bool IsDefaultHeader(std::string_view line) {
    std::string expected(kNameHeader);
    for (const char* column : DefaultColumnNames)
        expected += std::string("\t") + column;
    const std::string text(line);
    return SameNameIgnoringCase(text, expected) || SameNameIgnoringCase(text, expected + "\t");
}

std::string ValueText(const TSectionTable& table, std::size_t row, std::size_t column) {
    const double value = table.Values[row][column];
    if (!std::isfinite(value))
        throw ArithmeticError("table \"" + table.TableName + "\", row " + std::to_string(row + 1) +
                              ", column \"" + table.ColNames[column] +
                              "\" holds a value that is not a finite number");
    return FormatGeneral(RoundToDecimals(value, 2));
}

// The field as UTF-8 text, holding only characters a library file can keep.
std::string FieldText(std::string_view field, bool utf8, std::size_t capacity, std::size_t line) {
    if (!utf8)
        return FirstCharacters(Cp1256ToUtf8(std::string(field)), capacity);
    const std::string text = FirstCharacters(std::string(field), capacity);
    const std::optional<std::string> bytes = Utf8ToCp1256(text);
    if (!bytes)
        throw FileError("line " + std::to_string(line) + ": the name \"" + text +
                        "\" has a character that Windows-1256 cannot hold");
    return Cp1256ToUtf8(*bytes);
}

} // namespace

std::string ExportTableText(const TSectionTable& table) {
    const std::size_t rows = std::min<std::size_t>(table.RowCount, kMaxRows);
    const std::size_t columns = std::min<std::size_t>(table.ColCount, kMaxColumns);
    std::string text(kNameHeader);
    text += '\t';
    for (std::size_t c = 0; c < columns; ++c)
        text += Encoded(table.ColNames[c], "the column name") + '\t';
    text += "\r\n";
    for (std::size_t r = 0; r < rows; ++r) {
        text += Encoded(table.RowNames[r], "the section name") + '\t';
        for (std::size_t c = 0; c < columns; ++c)
            text += ValueText(table, r, c) + '\t';
        text += "\r\n";
    }
    return text;
}

void ImportTableText(TSectionTable& table, const std::string& bytes) {
    std::string_view text = bytes;
    bool utf8 = IsUtf8Text(text);
    if (text.starts_with(kUtf8Mark)) {
        text.remove_prefix(kUtf8Mark.size());
        utf8 = true;
    }
    const std::vector<std::string_view> lines = SplitLines(text);
    if (lines.empty() || !IsDefaultHeader(lines.front()))
        throw TableTextHeaderError("the first line is not the header of a section table text file "
                                   "(NAME and the 17 default column names, separated by tabs)");
    const std::size_t sections = lines.size() - 1;
    if (sections > kMaxRows)
        throw FileError("the file holds " + std::to_string(sections) + " sections; a table holds at most " +
                        std::to_string(kMaxRows));

    TSectionTable imported = table;
    imported.RowCount = static_cast<std::uint8_t>(sections);
    imported.ColCount = static_cast<std::uint8_t>(DefaultColumnNames.size());
    imported.CurrentRow = 0;
    imported.ColNames = {};
    imported.RowNames = {};
    imported.Values = {};
    const std::vector<std::string_view> header = SplitFields(lines.front());
    for (std::size_t c = 0; c < DefaultColumnNames.size(); ++c)
        imported.ColNames[c] = FieldText(header[c + 1], false, kColumnNameCapacity, 1);

    for (std::size_t row = 0; row < sections; ++row) {
        const std::size_t lineNumber = row + 2;
        const std::vector<std::string_view> fields = SplitFields(lines[row + 1]);
        if (!fields.empty())
            imported.RowNames[row] = FieldText(fields[0], utf8, kRowNameCapacity, lineNumber);
        for (std::size_t c = 0; c < DefaultColumnNames.size(); ++c) {
            const std::string field = c + 1 < fields.size() ? std::string(fields[c + 1]) : std::string();
            try {
                imported.Values[row][c] = NormalizedCellNumber(field);
            } catch (const ArithmeticError& error) {
                throw FileError("line " + std::to_string(lineNumber) + ", column \"" + imported.ColNames[c] +
                                "\": " + error.what());
            }
        }
    }
    table = std::move(imported);
}

} // namespace orvex
