#pragma once

#include "model/Records.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orvex {

constexpr std::size_t kMaxTables = 20;
constexpr std::size_t kMaxRows = 100;
constexpr std::size_t kMaxColumns = 22;
// In-memory capacities of the names, in characters (the file keeps one character less).
constexpr std::size_t kTableNameCapacity = 30;
constexpr std::size_t kColumnNameCapacity = 5;
constexpr std::size_t kRowNameCapacity = 20;

// One section family. Texts are UTF-8 in memory; each character is one byte in a file.
struct TSectionTable {
    std::uint8_t Kind = pkI; // TSectionKind code; other codes may come from a file
    std::string TableName;
    std::uint8_t RowCount = 0; // 0..kMaxRows
    std::uint8_t ColCount = 0; // 0..kMaxColumns
    std::uint8_t CurrentRow = 0;
    std::array<std::string, kMaxColumns> ColNames;
    std::array<std::array<double, kMaxColumns>, kMaxRows> Values{};
    std::array<std::string, kMaxRows> RowNames;
    TPicture Picture; // BMP file bytes; null or empty: no picture
};

struct TProfileLib {
    std::string FileName;
    std::uint8_t TableCount = 0; // 0..kMaxTables
    std::uint8_t CurrentTable = 0;
    std::array<TSectionTable, kMaxTables> Tables;
};

// The library the design searches walk, loaded at start-up.
extern TProfileLib MainProfileLib;

// The 17 columns a new table starts with.
extern const std::array<const char*, 17> DefaultColumnNames;

// Selects the table whose name equals `name` exactly (letter case counts).
bool FindProfileTable(TProfileLib& lib, const std::string& name);
// In the current table, selects the first row whose value in the column `column` (ASCII letter
// case ignored) is at least `minimum`. False, with no change, when none.
bool FindProfileAtLeast(TProfileLib& lib, const std::string& column, double minimum);
// In the current table, selects the row named `name` (ASCII letter case ignored).
bool FindProfileByName(TProfileLib& lib, const std::string& name);
// The current row's value in the column `column` (ASCII letter case ignored); -1 when the table
// has no such column.
Extended ProfileValue(const TProfileLib& lib, const std::string& column);
// Copies the current row into the section fields of `element` (kind, names, picture, values, and
// the derived b and h); leaves every other field alone.
void ProfileToElement(const TProfileLib& lib, TElement& element);
// Moves to the next row; false, with no change, on the last row.
bool AdvanceProfile(TProfileLib& lib);
// Row names of the table `tableName` (or, when no table has that name, of the current one).
std::vector<std::string> ProfileNames(TProfileLib& lib, const std::string& tableName);

// Column index of `column` in `table` (ASCII letter case ignored), or -1.
int FindColumn(const TSectionTable& table, const std::string& column);
// True when the two texts are equal once ASCII letters are folded to one case.
bool SameNameIgnoringCase(const std::string& a, const std::string& b);

} // namespace orvex
