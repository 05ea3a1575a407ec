#include "library/Completion.h"

#include "model/CheckedMath.h"
#include "model/Cp1256.h"
#include "model/Errors.h"
#include "model/Units.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace orvex {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number at the start of a cell text, in a form std::from_chars reads, with the decimal
// exponent of its first significant digit (to tell an underflow from an overflow).
struct LeadingNumber {
    std::string text;
    long long magnitude = 0;
};

std::optional<LeadingNumber> ReadLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    LeadingNumber number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            number.text.push_back('-');
        ++i;
    }
    const std::size_t integerStart = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    const std::string_view integerDigits = text.substr(integerStart, i - integerStart);
    if (integerDigits.empty())
        return std::nullopt;
    number.text += integerDigits;

    std::string_view fractionDigits;
    if (i + 1 < text.size() && text[i] == '.' && IsDigit(text[i + 1])) {
        const std::size_t fractionStart = ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        fractionDigits = text.substr(fractionStart, i - fractionStart);
        number.text += '.';
        number.text += fractionDigits;
    }

    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            negative = text[j++] == '-';
        if (j < text.size() && IsDigit(text[j])) {
            const std::size_t exponentStart = j;
            while (j < text.size() && IsDigit(text[j])) {
                // Saturate: anything beyond this is far outside every floating-point range.
                exponent = std::min<long long>(exponent * 10 + (text[j] - '0'), 1'000'000'000);
                ++j;
            }
            number.text += negative ? "e-" : "e";
            number.text += text.substr(exponentStart, j - exponentStart);
            if (negative)
                exponent = -exponent;
        }
    }

    const std::size_t firstInteger = integerDigits.find_first_not_of('0');
    const std::size_t firstFraction = fractionDigits.find_first_not_of('0');
    if (firstInteger != std::string_view::npos)
        number.magnitude = static_cast<long long>(integerDigits.size() - firstInteger) - 1 + exponent;
    else if (firstFraction != std::string_view::npos)
        number.magnitude = -static_cast<long long>(firstFraction) - 1 + exponent;
    return number;
}

float ToSingle(const LeadingNumber& number) {
    float value = 0;
    const char* first = number.text.data();
    const char* last = first + number.text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    (void)end;
    const bool tooLarge = (error == std::errc::result_out_of_range && number.magnitude >= 0) ||
                          (error == std::errc() && std::isinf(value));
    if (tooLarge)
        throw ArithmeticError("the number " + number.text +
                              " is too large for a section table (at most about 3.4E38)");
    if (error != std::errc())
        return 0; // below the smallest 32-bit number: nothing is left of it
    return value;
}

double ReadNormalizedText(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string RowLabel(const TSectionTable& table, std::size_t row) {
    std::string label = "row " + std::to_string(row + 1);
    if (!table.RowNames[row].empty())
        label += " (" + table.RowNames[row] + ")";
    return label;
}

std::string TableLabel(const TSectionTable& table) {
    return "table \"" + table.TableName + "\"";
}

// The value a cell keeps once its text has passed through the cell correction.
double CorrectedValue(double value) {
    if (!std::isfinite(value))
        throw ArithmeticError("the value is not a finite number");
    return NormalizedCellNumber(FormatGeneral(value));
}

// A library value stored again after being shown: shown rounded to two decimals, then corrected.
double StoredValue(double value) {
    if (!std::isfinite(value))
        throw ArithmeticError("the value is not a finite number");
    return CorrectedValue(RoundToDecimals(value, 2));
}

std::size_t RowsOf(const TSectionTable& table) {
    return std::min<std::size_t>(table.RowCount, kMaxRows);
}
std::size_t ColumnsOf(const TSectionTable& table) {
    return std::min<std::size_t>(table.ColCount, kMaxColumns);
}

// Cells are read and written by column name as the manager's grid is: a column the table lacks
// reads as -1, and a result for it is dropped.
Extended CellValue(const TSectionTable& table, std::size_t row, const char* column) {
    const int c = FindColumn(table, column);
    return c < 0 ? -1.0L : table.Values[row][static_cast<std::size_t>(c)];
}

void SetCell(TSectionTable& table, std::size_t row, const char* column, double value) {
    const int c = FindColumn(table, column);
    if (c >= 0)
        table.Values[row][static_cast<std::size_t>(c)] = value;
}

// One row under completion; a result is kept as the cell correction leaves its text.
class RowCells {
  public:
    RowCells(TSectionTable& table, std::size_t row) : table_(table), row_(row) {}

    Extended Get(const char* column) const { return CellValue(table_, row_, column); }
    bool Has(const char* column) const { return FindColumn(table_, column) >= 0; }
    void Set(const char* column, Extended value) {
        SetCell(table_, row_, column, CorrectedValue(static_cast<double>(value)));
    }

  private:
    TSectionTable& table_;
    std::size_t row_;
};

std::string CompletedName(const TSectionTable& table, Extended d, Extended bf, Extended tw) {
    const auto millimetres = [](Extended centimetres) {
        return FormatGeneral(static_cast<double>(centimetres * 10));
    };
    std::string name = table.TableName + millimetres(d);
    if (table.Kind == pkL || table.Kind == pkBox)
        name += "x" + millimetres(bf) + "x" + millimetres(tw);
    return FirstCharacters(name, kRowNameCapacity);
}

// The width b for width-thickness ratios, or nothing when the kind gives no rule.
std::optional<Extended> CompletedWidth(std::uint8_t kind, Extended bf, Extended tw, Extended r) {
    switch (static_cast<TSectionKind>(kind)) {
    case pkI:
    case pkT:
        return bf / 2;
    case pkU:
    case pkL:
    case pkZ:
    case pkPipe:
        return bf;
    case pkBox:
        return bf - 2 * tw - 2 * r;
    case pk2I:
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Extended> CompletedDepth(std::uint8_t kind, Extended d, Extended tf, Extended r) {
    switch (static_cast<TSectionKind>(kind)) {
    case pkI:
    case pkU:
    case pkL:
    case pkT:
    case pkZ:
    case pkPipe:
        return d;
    case pkBox:
        return d - 2 * tf - 2 * r;
    case pk2I:
        return std::nullopt;
    }
    return std::nullopt;
}

void CompleteRow(TSectionTable& table, std::size_t row) {
    RowCells cells(table, row);
    // Every input is read before any result is written.
    const Extended d = cells.Get("d"), bf = cells.Get("bf"), tw = cells.Get("tw"), tf = cells.Get("tf");
    const Extended r = cells.Get("r"), A = cells.Get("A"), Ix = cells.Get("Ix"), Iy = cells.Get("Iy");
    const Extended rx = cells.Get("rx"), ry = cells.Get("ry"), Sx = cells.Get("Sx"), Sy = cells.Get("Sy");
    const Extended ex = cells.Get("ex"), ey = cells.Get("ey"), b = cells.Get("b"), h = cells.Get("h");

    if (table.RowNames[row].empty())
        table.RowNames[row] = CompletedName(table, d, bf, tw);
    if (rx == 0 && A != 0)
        cells.Set("rx", SquareRoot(Divide(Ix, A, "Ix/A"), "rx = √(Ix/A)"));
    if (ry == 0 && A != 0)
        cells.Set("ry", SquareRoot(Divide(Iy, A, "Iy/A"), "ry = √(Iy/A)"));
    if (Sx == 0 && d != 0)
        cells.Set("Sx", Divide(2 * Ix, d, "Sx = 2·Ix/d"));
    if (Sy == 0 && bf != 0)
        cells.Set("Sy", Divide(2 * Iy, bf, "Sy = 2·Iy/bf"));
    if (ex == 0)
        cells.Set("ex", bf / 2);
    if (ey == 0)
        cells.Set("ey", d / 2);
    if (b == 0 && cells.Has("b"))
        if (const auto width = CompletedWidth(table.Kind, bf, tw, r))
            cells.Set("b", *width);
    if (h == 0 && cells.Has("h"))
        if (const auto depth = CompletedDepth(table.Kind, d, tf, r))
            cells.Set("h", *depth);
}

bool IsBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// The rows of the double section table; the library is not touched.
TSectionTable DoubledTable(const TSectionTable& base, const std::string& name) {
    TSectionTable doubled;
    doubled.Kind = pk2I;
    doubled.TableName = name;
    doubled.RowCount = static_cast<std::uint8_t>(RowsOf(base));
    doubled.ColCount = static_cast<std::uint8_t>(ColumnsOf(base));
    doubled.ColNames = base.ColNames;
    doubled.Values = base.Values;
    for (std::size_t row = 0; row < RowsOf(base); ++row) {
        const auto value = [&](const char* column) { return CellValue(base, row, column); };
        const Extended A = value("A"), G = value("G"), Ix = value("Ix");
        const Extended Iy = value("Iy"), d = value("d"), bf = value("bf");
        const auto refuse = [&](const char* column) {
            return ArithmeticError(TableLabel(base) + ", " + RowLabel(base, row) + ": " + column +
                                   " is 0, so its double section cannot be computed");
        };
        if (A == 0)
            throw refuse("A");
        if (d == 0)
            throw refuse("d");
        if (bf == 0)
            throw refuse("bf");
        try {
            const Extended A2 = 2 * A;
            const Extended Ix2 = 2 * Ix;
            const Extended Iy2 = 2 * Iy + (bf / 2) * (bf / 2) * A2;
            // Kept unrounded: the table is rounded when it is completed.
            const auto set = [&](const char* column, Extended value) {
                SetCell(doubled, row, column, static_cast<double>(value));
            };
            set("A", A2);
            set("G", 2 * G);
            set("Ix", Ix2);
            set("Sx", Divide(2 * Ix2, d, "Sx = 2·Ix/d"));
            set("rx", SquareRoot(Divide(Ix2, A2, "Ix/A"), "rx = √(Ix/A)"));
            set("Iy", Iy2);
            set("Sy", Divide(Iy2, bf, "Sy = Iy/bf"));
            set("ry", SquareRoot(Divide(Iy2, A2, "Iy/A"), "ry = √(Iy/A)"));
        } catch (const ArithmeticError& error) {
            throw ArithmeticError(TableLabel(base) + ", " + RowLabel(base, row) + ": " + error.what());
        }
    }
    return doubled;
}

} // namespace

std::string NormalizeCellValue(const std::string& text) {
    const std::optional<LeadingNumber> number = ReadLeadingNumber(text);
    if (!number)
        return "0";
    const double value = ToSingle(*number);
    // Two decimals in 64-bit arithmetic; nearbyint rounds ties to even in the default mode.
    const double rounded = std::nearbyint(value / 0.01) * 0.01;
    return FormatGeneral(rounded);
}

double NormalizedCellNumber(const std::string& text) {
    return ReadNormalizedText(NormalizeCellValue(text));
}

void NormalizeTableValues(TSectionTable& table) {
    TSectionTable stored = table;
    for (std::size_t row = 0; row < RowsOf(table); ++row) {
        stored.RowNames[row] = FirstCharacters(table.RowNames[row], kRowNameCapacity);
        for (std::size_t column = 0; column < ColumnsOf(table); ++column) {
            try {
                stored.Values[row][column] = StoredValue(table.Values[row][column]);
            } catch (const ArithmeticError& error) {
                throw ArithmeticError(TableLabel(table) + ", " + RowLabel(table, row) + ", column \"" +
                                      table.ColNames[column] + "\": " + error.what());
            }
        }
    }
    table = std::move(stored);
}

void CompleteTable(TProfileLib& lib, std::size_t tableIndex) {
    if (tableIndex >= lib.TableCount)
        throw Error("there is no table " + std::to_string(tableIndex + 1) +
                    " to complete (the library holds " + std::to_string(lib.TableCount) + ")");
    // Work on a copy so that a failure leaves the library's table exactly as it was.
    TSectionTable table = lib.Tables[tableIndex];
    NormalizeTableValues(table);
    for (std::size_t row = 0; row < RowsOf(table); ++row) {
        try {
            CompleteRow(table, row);
        } catch (const ArithmeticError& error) {
            throw ArithmeticError(TableLabel(table) + ", " + RowLabel(table, row) + ": " + error.what());
        }
    }
    lib.Tables[tableIndex] = std::move(table);
}

std::size_t BuildDoubleSection(TProfileLib& lib, std::size_t baseTable, const std::string& newName) {
    if (baseTable >= lib.TableCount)
        throw Error("there is no base table " + std::to_string(baseTable + 1) + " (the library holds " +
                    std::to_string(lib.TableCount) + ")");
    const std::string name = FirstCharacters(newName, kTableNameCapacity);
    if (IsBlank(name))
        throw Error("the double section table needs a name");
    if (lib.TableCount >= kMaxTables)
        throw Error("the library already holds " + std::to_string(kMaxTables) +
                    " tables; remove one before building \"" + name + "\"");
    for (std::size_t t = 0; t < lib.TableCount; ++t)
        if (lib.Tables[t].TableName == name)
            throw Error("the library already has a table named \"" + name + "\"");

    TSectionTable doubled = DoubledTable(lib.Tables[baseTable], name);
    const std::size_t index = lib.TableCount;
    const std::uint8_t previousCurrent = lib.CurrentTable;
    lib.Tables[index] = std::move(doubled);
    lib.TableCount = static_cast<std::uint8_t>(index + 1);
    lib.CurrentTable = static_cast<std::uint8_t>(index);
    try {
        CompleteTable(lib, index);
    } catch (...) {
        lib.Tables[index] = TSectionTable{};
        lib.TableCount = static_cast<std::uint8_t>(index);
        lib.CurrentTable = previousCurrent;
        throw;
    }
    return index;
}

} // namespace orvex
