#include "library/ProfileLib.h"

#include <algorithm>

namespace orvex {

TProfileLib MainProfileLib;

const std::array<const char*, 17> DefaultColumnNames = {"d",  "bf", "tw", "tf", "r",  "r2", "A",  "G", "Ix",
                                                        "Sx", "rx", "Iy", "Sy", "ry", "ex", "ey", "Z"};

namespace {

char FoldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

const TSectionTable& Current(const TProfileLib& lib) {
    return lib.Tables[std::min<std::size_t>(lib.CurrentTable, kMaxTables - 1)];
}
TSectionTable& Current(TProfileLib& lib) {
    return lib.Tables[std::min<std::size_t>(lib.CurrentTable, kMaxTables - 1)];
}

} // namespace

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

int FindColumn(const TSectionTable& table, const std::string& column) {
    const std::size_t count = std::min<std::size_t>(table.ColCount, kMaxColumns);
    for (std::size_t c = 0; c < count; ++c)
        if (SameNameIgnoringCase(table.ColNames[c], column))
            return static_cast<int>(c);
    return -1;
}

bool FindProfileTable(TProfileLib& lib, const std::string& name) {
    const std::size_t count = std::min<std::size_t>(lib.TableCount, kMaxTables);
    for (std::size_t t = 0; t < count; ++t) {
        if (lib.Tables[t].TableName == name) {
            lib.CurrentTable = static_cast<std::uint8_t>(t);
            return true;
        }
    }
    return false;
}

bool FindProfileAtLeast(TProfileLib& lib, const std::string& column, double minimum) {
    TSectionTable& table = Current(lib);
    const std::size_t columns = std::min<std::size_t>(table.ColCount, kMaxColumns);
    const std::size_t rows = std::min<std::size_t>(table.RowCount, kMaxRows);
    for (std::size_t c = 0; c < columns; ++c) {
        if (!SameNameIgnoringCase(table.ColNames[c], column))
            continue;
        for (std::size_t r = 0; r < rows; ++r) {
            if (table.Values[r][c] >= minimum) {
                table.CurrentRow = static_cast<std::uint8_t>(r);
                return true;
            }
        }
    }
    return false;
}

bool FindProfileByName(TProfileLib& lib, const std::string& name) {
    TSectionTable& table = Current(lib);
    const std::size_t rows = std::min<std::size_t>(table.RowCount, kMaxRows);
    for (std::size_t r = 0; r < rows; ++r) {
        if (SameNameIgnoringCase(table.RowNames[r], name)) {
            table.CurrentRow = static_cast<std::uint8_t>(r);
            return true;
        }
    }
    return false;
}

Extended ProfileValue(const TProfileLib& lib, const std::string& column) {
    const TSectionTable& table = Current(lib);
    const int c = FindColumn(table, column);
    if (c < 0)
        return -1.0L;
    return table.Values[std::min<std::size_t>(table.CurrentRow, kMaxRows - 1)][static_cast<std::size_t>(c)];
}

void ProfileToElement(const TProfileLib& lib, TElement& element) {
    const TSectionTable& table = Current(lib);
    element.Kind = static_cast<TSectionKind>(table.Kind);
    element.SectionName = table.RowNames[std::min<std::size_t>(table.CurrentRow, kMaxRows - 1)];
    element.Picture = table.Picture;
    element.d = ProfileValue(lib, "d");
    element.bf = ProfileValue(lib, "bf");
    element.tw = ProfileValue(lib, "tw");
    element.tf = ProfileValue(lib, "tf");
    element.r = ProfileValue(lib, "r");
    element.A = ProfileValue(lib, "A");
    element.G = ProfileValue(lib, "G");
    element.Ix = ProfileValue(lib, "Ix");
    element.Sx = ProfileValue(lib, "Sx");
    element.rx = ProfileValue(lib, "rx");
    element.Iy = ProfileValue(lib, "Iy");
    element.Sy = ProfileValue(lib, "Sy");
    element.ry = ProfileValue(lib, "ry");
    switch (element.Kind) {
    case pkI:
    case pkT:
    case pk2I:
        element.b = element.bf / 2;
        break;
    case pkU:
    case pkL:
    case pkZ:
        element.b = element.bf;
        break;
    case pkBox:
    case pkPipe:
        element.b = element.bf - 2 * (element.tw + element.r);
        break;
    }
    // Any other kind code leaves b as it was: no rule gives it.
    element.h = element.d;
}

bool AdvanceProfile(TProfileLib& lib) {
    TSectionTable& table = Current(lib);
    if (static_cast<int>(table.CurrentRow) >= static_cast<int>(table.RowCount) - 1)
        return false;
    ++table.CurrentRow;
    return true;
}

std::vector<std::string> ProfileNames(TProfileLib& lib, const std::string& tableName) {
    std::vector<std::string> names;
    const std::uint8_t savedTable = lib.CurrentTable;
    FindProfileTable(lib, tableName);
    TSectionTable& table = Current(lib);
    const std::size_t rows = std::min<std::size_t>(table.RowCount, kMaxRows);
    for (std::size_t r = 0; r < rows; ++r)
        names.push_back(table.RowNames[r]);
    lib.CurrentTable = savedTable;
    return names;
}

} // namespace orvex
