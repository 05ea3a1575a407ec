#include "library/LibrarySources.h"

#include "library/Completion.h"
#include "model/AtomicFile.h"
#include "model/Cp1256.h"
#include "model/Errors.h"

#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <optional>
#include <vector>

namespace orvex {

namespace {

constexpr std::array<const char*, 8> kKindNames = {"pkI", "pkU",   "pkL",    "pkT",
                                                   "pkZ", "pkBox", "pkPipe", "pk2I"};

// Names as the file format holds them: one character less than in memory.
constexpr std::size_t kTableNameChars = kTableNameCapacity - 1;
constexpr std::size_t kColumnNameChars = kColumnNameCapacity - 1;
constexpr std::size_t kRowNameChars = kRowNameCapacity - 1;

constexpr std::int32_t kPictureSide = 64;

struct SourceLine {
    std::size_t number;
    std::string text;
};

// A place in a source file; every fault is reported against one.
struct Location {
    std::string path;
    std::size_t line;

    [[noreturn]] void Fail(const std::string& what) const {
        throw FileError(path + ":" + std::to_string(line) + ": " + what);
    }
};

// The lines that carry something: comments ('#') and blank lines left out, line ends (LF or
// CR LF) removed.
std::vector<SourceLine> ContentLines(const std::string& text) {
    std::vector<SourceLine> lines;
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == '#' || line.find_first_not_of(" \t") == std::string::npos)
            continue;
        lines.push_back({number, std::move(line)});
    }
    return lines;
}

std::string TrimSpaces(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(
            TrimSpaces(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start)));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

// The name as the library file will hold it (Persian stand-ins applied), after checking that it
// is present, fits `maxChars` and has a place in Windows-1256.
std::string CheckedName(const Location& at, const std::string& name, std::size_t maxChars,
                        const std::string& what) {
    if (name.empty())
        at.Fail(what + " is empty");
    const std::optional<std::string> encoded = Utf8ToCp1256(name);
    if (!encoded)
        at.Fail(what + " \"" + name + "\" has a character that Windows-1256 cannot hold");
    if (encoded->size() > maxChars)
        at.Fail(what + " \"" + name + "\" is longer than " + std::to_string(maxChars) + " characters");
    return Cp1256ToUtf8(*encoded);
}

double ParseValue(const Location& at, const std::string& text, const std::string& column) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        at.Fail("value \"" + text + "\" of column " + column + " is not a number");
    return value;
}

bool HasNameIgnoringCase(const std::vector<std::string>& names, const std::string& name) {
    for (const std::string& existing : names)
        if (SameNameIgnoringCase(existing, name))
            return true;
    return false;
}

// Fills `table` (all but its name, kind and picture) from the text of a table file.
void ParseTableFile(const std::string& path, const std::string& text, TSectionTable& table) {
    const std::vector<SourceLine> lines = ContentLines(text);
    if (lines.empty())
        Location{path, 1}.Fail("no header line (NAME and the column names)");

    const Location headerAt{path, lines[0].number};
    const std::vector<std::string> header = SplitTabs(lines[0].text);
    if (header[0] != "NAME")
        headerAt.Fail("the header line must start with NAME, found \"" + header[0] + "\"");
    const std::size_t columns = header.size() - 1;
    if (columns > kMaxColumns)
        headerAt.Fail(std::to_string(columns) + " columns (at most " + std::to_string(kMaxColumns) + ")");
    std::vector<std::string> columnNames;
    for (std::size_t c = 0; c < columns; ++c) {
        const std::string name = CheckedName(headerAt, header[c + 1], kColumnNameChars, "column name");
        if (HasNameIgnoringCase(columnNames, name))
            headerAt.Fail("column " + name + " appears twice");
        columnNames.push_back(name);
    }

    std::vector<std::string> rowNames;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const Location at{path, lines[i].number};
        if (rowNames.size() == kMaxRows)
            at.Fail("more than " + std::to_string(kMaxRows) + " rows");
        const std::vector<std::string> fields = SplitTabs(lines[i].text);
        if (fields.size() != columns + 1)
            at.Fail(std::to_string(fields.size()) + " fields where the header has " +
                    std::to_string(columns + 1));
        const std::string name = CheckedName(at, fields[0], kRowNameChars, "section name");
        if (HasNameIgnoringCase(rowNames, name))
            at.Fail("section " + name + " appears twice");
        const std::size_t row = rowNames.size();
        for (std::size_t c = 0; c < columns; ++c)
            table.Values[row][c] = ParseValue(at, fields[c + 1], columnNames[c]);
        table.RowNames[row] = name;
        rowNames.push_back(name);
    }

    for (std::size_t c = 0; c < columns; ++c)
        table.ColNames[c] = columnNames[c];
    table.ColCount = static_cast<std::uint8_t>(columns);
    table.RowCount = static_cast<std::uint8_t>(rowNames.size());
}

std::int32_t ReadInt32(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return static_cast<std::int32_t>(value);
}

std::int32_t ReadInt16(const std::string& bytes, std::size_t offset) {
    return static_cast<unsigned char>(bytes[offset]) | (static_cast<unsigned char>(bytes[offset + 1]) << 8);
}

// The bytes of a BMP file of 64 x 64 pixels, unchanged.
TPicture ReadPicture(const Location& at, const std::string& path) {
    std::string bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const FileError& e) {
        at.Fail(e.what());
    }
    // File header (14 bytes), then the size of the bitmap header and, in it, width and height:
    // 16-bit in the old 12-byte header, 32-bit (height negative for top-down) in the later ones.
    if (bytes.size() < 26 || bytes.compare(0, 2, "BM") != 0)
        at.Fail("picture " + path + " is not a Windows BMP file");
    const std::int32_t headerSize = ReadInt32(bytes, 14);
    std::int32_t width = 0;
    std::int32_t height = 0;
    if (headerSize == 12) {
        width = ReadInt16(bytes, 18);
        height = ReadInt16(bytes, 20);
    } else if (headerSize >= 40) {
        width = ReadInt32(bytes, 18);
        height = ReadInt32(bytes, 22);
        if (height < 0 && height != INT32_MIN)
            height = -height;
    } else {
        at.Fail("picture " + path + " is not a Windows BMP file");
    }
    if (width != kPictureSide || height != kPictureSide)
        at.Fail("picture " + path + " is " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels, not 64 x 64");
    return std::make_shared<const std::vector<std::uint8_t>>(bytes.begin(), bytes.end());
}

std::size_t FindTableIndex(const TProfileLib& lib, const std::string& name) {
    for (std::size_t t = 0; t < lib.TableCount; ++t)
        if (lib.Tables[t].TableName == name)
            return t;
    return kMaxTables;
}

} // namespace

bool SectionKindFromName(const std::string& name, std::uint8_t& kind) {
    for (std::size_t k = 0; k < kKindNames.size(); ++k) {
        if (name == kKindNames[k]) {
            kind = static_cast<std::uint8_t>(k);
            return true;
        }
    }
    return false;
}

std::string SectionKindName(std::uint8_t kind) {
    if (kind < kKindNames.size())
        return kKindNames[kind];
    return std::to_string(kind);
}

TProfileLib BuildLibraryFromSources(const std::string& dataDir) {
    const std::filesystem::path root(dataDir);
    const std::string manifestPath = (root / "library.tsv").string();
    TProfileLib lib;
    const std::string doublePrefix = "double:";

    for (const SourceLine& line : ContentLines(ReadWholeFile(manifestPath))) {
        const Location at{manifestPath, line.number};
        const std::vector<std::string> fields = SplitTabs(line.text);
        if (fields.size() != 4)
            at.Fail(std::to_string(fields.size()) +
                    " fields where kind, name, rows and picture are expected");
        if (lib.TableCount == kMaxTables)
            at.Fail("more than " + std::to_string(kMaxTables) + " tables");
        std::uint8_t kind = 0;
        if (!SectionKindFromName(fields[0], kind))
            at.Fail("unknown section kind \"" + fields[0] + "\"");
        const std::string name = CheckedName(at, fields[1], kTableNameChars, "table name");
        if (FindTableIndex(lib, name) != kMaxTables)
            at.Fail("table " + name + " appears twice");

        std::size_t index = lib.TableCount;
        if (fields[2].starts_with(doublePrefix)) {
            const std::string base = fields[2].substr(doublePrefix.size());
            const std::size_t baseIndex = FindTableIndex(lib, base);
            if (baseIndex == kMaxTables)
                at.Fail("the base table \"" + base + "\" is not an earlier table of this list");
            try {
                index = BuildDoubleSection(lib, baseIndex, name);
            } catch (const Error& e) {
                at.Fail(e.what());
            }
        } else {
            const std::string tablePath = (root / fields[2]).string();
            std::string text;
            try {
                text = ReadWholeFile(tablePath);
            } catch (const FileError& e) {
                at.Fail(e.what());
            }
            TSectionTable& table = lib.Tables[index];
            ParseTableFile(tablePath, text, table);
            table.TableName = name;
            ++lib.TableCount;
        }
        lib.Tables[index].Kind = kind;
        if (fields[3] != "-")
            lib.Tables[index].Picture = ReadPicture(at, (root / fields[3]).string());
    }
    return lib;
}

} // namespace orvex
