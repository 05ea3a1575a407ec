#include "library/Completion.h"
#include "model/Errors.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace orvex;

namespace {

struct Cell {
    const char* column;
    double value;
};

TSectionTable MakeTable(TSectionKind kind, const std::string& name, const std::vector<std::string>& columns) {
    TSectionTable table;
    table.Kind = static_cast<std::uint8_t>(kind);
    table.TableName = name;
    table.ColCount = static_cast<std::uint8_t>(columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c)
        table.ColNames[c] = columns[c];
    return table;
}

std::vector<std::string> DefaultColumns() {
    return {DefaultColumnNames.begin(), DefaultColumnNames.end()};
}

std::vector<std::string> ColumnsWithWidthAndDepth() {
    std::vector<std::string> columns = DefaultColumns();
    columns.push_back("b");
    columns.push_back("h");
    return columns;
}

void AddRow(TSectionTable& table, const std::string& name, const std::vector<Cell>& cells) {
    const std::size_t row = table.RowCount++;
    table.RowNames[row] = name;
    for (const Cell& cell : cells)
        table.Values[row][static_cast<std::size_t>(FindColumn(table, cell.column))] = cell.value;
}

double Value(const TSectionTable& table, std::size_t row, const char* column) {
    const int c = FindColumn(table, column);
    EXPECT_GE(c, 0) << column;
    return c < 0 ? 0 : table.Values[row][static_cast<std::size_t>(c)];
}

// A library is too large to keep several on the stack.
std::unique_ptr<TProfileLib> LibraryWith(const TSectionTable& table) {
    auto lib = std::make_unique<TProfileLib>();
    lib->Tables[0] = table;
    lib->TableCount = 1;
    return lib;
}

// A rolled I table whose first row is the base row of the worked double section example.
TSectionTable IpeTable() {
    TSectionTable table = MakeTable(pkI, "IPE", DefaultColumns());
    AddRow(table, "IPE200",
           {{"d", 20},
            {"bf", 10},
            {"tw", 0.56},
            {"tf", 0.85},
            {"r", 1.2},
            {"A", 28.5},
            {"G", 22.4},
            {"Ix", 1940},
            {"Sx", 194},
            {"rx", 8.26},
            {"Iy", 142},
            {"Sy", 28.5},
            {"ry", 2.24},
            {"ex", 5},
            {"ey", 10}});
    table.Picture = std::make_shared<const std::vector<std::uint8_t>>(std::vector<std::uint8_t>{'B', 'M'});
    return table;
}

TEST(NormalizeCellValueTest, ReadsTheLeadingNumberThroughSingleAndTwoDecimals) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"7", "7"},
        {"-2.5e1", "-25"},
        {"12.3456", "12.35"},
        {"0.005", "0"}, // just below 0.005 as a 32-bit number
        {"abc", "0"},
        {"", "0"},
        {"123456.789", "123456.79"}, // 123456.7890625 as a 32-bit number
        {"0.125", "0.12"},           // an exact tie goes to the even hundredth
        {"  12abc", "12"},           // leading blanks skipped, the rest ignored
        {"+3.5E+2x", "350"},
        {"1e", "1"}, // an exponent without digits is not part of the number
        {"5.", "5"}, // nor is a point without digits
        {".5", "0"}, // a number begins with a digit
        {"-0.001", "0"},
        {"1e-50", "0"}, // below the smallest 32-bit number
        {"1e38", "9.99999968028569E37"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(NormalizeCellValue(c.text), c.expected);
    }
}

TEST(NormalizeCellValueTest, RefusesANumberBeyondSinglePrecision) {
    for (const char* text : {"1e39", "-5e40", "1000000000000000000000000000000000000000"}) {
        SCOPED_TRACE(text);
        try {
            NormalizeCellValue(text);
            FAIL() << "no error";
        } catch (const ArithmeticError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "the number " + std::string(text) +
                          " is too large for a section table (at most about 3.4E38)");
        }
    }
}

struct CompletionCase {
    const char* what;
    TSectionKind kind;
    const char* tableName;
    const char* rowName;
    std::vector<Cell> given;
    const char* expectedName;
    std::vector<Cell> expected;
};

TEST(CompleteTableTest, FillsZeroPropertiesAndNamesRows) {
    const CompletionCase cases[] = {
        {"rolled I: every derivable property",
         pkI,
         "IPE",
         "",
         {{"d", 20},
          {"bf", 10},
          {"tw", 0.56},
          {"tf", 0.85},
          {"r", 1.2},
          {"A", 28.5},
          {"Ix", 1940},
          {"Iy", 142}},
         "IPE200",
         {{"rx", 8.25}, {"ry", 2.23}, {"Sx", 194}, {"Sy", 28.4}, {"ex", 5}, {"ey", 10}, {"b", 5}, {"h", 20}}},
        {"A = 0 leaves the radii of gyration at 0",
         pkI,
         "IPE",
         "X",
         {{"d", 20}, {"bf", 10}, {"A", 0}, {"Ix", 1940}, {"Iy", 142}},
         "X",
         {{"rx", 0}, {"ry", 0}, {"Sx", 194}}},
        {"values that are not 0 are kept",
         pkI,
         "IPE",
         "MINE",
         {{"d", 20}, {"bf", 10}, {"A", 28.5}, {"Ix", 1940}, {"Sx", 250}, {"rx", 9}, {"ex", 7}, {"b", 3}},
         "MINE",
         {{"Sx", 250}, {"rx", 9}, {"ex", 7}, {"b", 3}, {"h", 20}}},
        {"double I: b and h stay 0",
         pk2I,
         "2IPE",
         "",
         {{"d", 20}, {"bf", 10}, {"A", 57}, {"Ix", 3880}},
         "2IPE200",
         {{"b", 0}, {"h", 0}}},
        {"box: walls and corners taken off, named by d, bf and tw",
         pkBox,
         "BOX",
         "",
         {{"d", 30}, {"bf", 20}, {"tw", 1}, {"tf", 1.2}, {"r", 1.5}},
         "BOX300x200x10",
         {{"b", 15}, {"h", 24.6}}},
        {"box name in millimetres",
         pkBox,
         "BOX",
         "",
         {{"d", 10}, {"bf", 10}, {"tw", 0.5}},
         "BOX100x100x5",
         {}},
        {"angle", pkL, "L", "", {{"d", 10}, {"bf", 10}, {"tw", 1}}, "L100x100x10", {{"b", 10}, {"h", 10}}},
        {"pipe: b is the whole bf",
         pkPipe,
         "P",
         "",
         {{"d", 11.4}, {"bf", 11.4}, {"tw", 0.6}},
         "P114",
         {{"b", 11.4}, {"h", 11.4}}},
        {"tee: b is half of bf", pkT, "T", "", {{"d", 10}, {"bf", 10}}, "T100", {{"b", 5}, {"h", 10}}},
        {"a long name is cut to 20 characters",
         pkI,
         "HEB-EXTRA-LONG-NAM",
         "",
         {{"d", 100}},
         "HEB-EXTRA-LONG-NAM10",
         {}},
        {"every value is rounded to two decimals",
         pkI,
         "IPE",
         "R",
         {{"G", 22.456}, {"Ix", 1940.004}, {"r2", 0.005}, {"Z", 0.125000001}},
         "R",
         {{"G", 22.46}, {"Ix", 1940}, {"r2", 0}, {"Z", 0.13}}}, // Z as shown, not 0.125 as a 32-bit number
    };
    for (const CompletionCase& c : cases) {
        SCOPED_TRACE(c.what);
        TSectionTable table = MakeTable(c.kind, c.tableName, ColumnsWithWidthAndDepth());
        AddRow(table, c.rowName, c.given);
        auto lib = LibraryWith(table);
        CompleteTable(*lib, 0);
        const TSectionTable& done = lib->Tables[0];
        EXPECT_EQ(done.RowNames[0], c.expectedName);
        for (const Cell& cell : c.expected) {
            SCOPED_TRACE(cell.column);
            EXPECT_EQ(Value(done, 0, cell.column), cell.value);
        }
    }
}

TEST(CompleteTableTest, LeavesColumnsTheTableLacksAlone) {
    TSectionTable table = MakeTable(pkBox, "BOX", DefaultColumns());
    AddRow(table, "", {{"d", 30}, {"bf", 20}, {"tw", 1}, {"A", 10}, {"Ix", 1000}});
    auto lib = LibraryWith(table);
    CompleteTable(*lib, 0);
    EXPECT_EQ(lib->Tables[0].ColCount, 17);
    EXPECT_EQ(lib->Tables[0].ColNames, table.ColNames);
    EXPECT_EQ(Value(lib->Tables[0], 0, "rx"), 10);
}

TEST(CompleteTableTest, RootOfANegativeQuotientLeavesTheTableAsItWas) {
    TSectionTable table = MakeTable(pkI, "IPE", DefaultColumns());
    AddRow(table, "", {{"d", 20}, {"bf", 10}, {"A", 28.5}, {"Ix", 1940}, {"Iy", 142}, {"G", 22.456}});
    AddRow(table, "BAD", {{"d", 20}, {"bf", 10}, {"A", 4}, {"Ix", -100}, {"Iy", 142}});
    auto lib = LibraryWith(table);
    try {
        CompleteTable(*lib, 0);
        FAIL() << "no error";
    } catch (const ArithmeticError& error) {
        EXPECT_STREQ(error.what(),
                     "table \"IPE\", row 2 (BAD): square root of the negative number -25 in rx = √(Ix/A)");
    }
    EXPECT_EQ(lib->Tables[0].RowNames[0], "");
    EXPECT_EQ(lib->Tables[0].Values, table.Values);
}

TEST(CompleteTableTest, RefusesATableThatDoesNotExist) {
    auto lib = LibraryWith(IpeTable());
    try {
        CompleteTable(*lib, 1);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "there is no table 2 to complete (the library holds 1)");
    }
}

TEST(BuildDoubleSectionTest, WorkedExample) {
    auto lib = LibraryWith(IpeTable());
    const TSectionTable base = lib->Tables[0];

    ASSERT_EQ(BuildDoubleSection(*lib, 0, "2IPE"), 1u);

    EXPECT_EQ(lib->TableCount, 2);
    EXPECT_EQ(lib->CurrentTable, 1);
    const TSectionTable& doubled = lib->Tables[1];
    EXPECT_EQ(doubled.TableName, "2IPE");
    EXPECT_EQ(doubled.Kind, pk2I);
    EXPECT_EQ(doubled.RowCount, 1);
    EXPECT_EQ(doubled.ColCount, base.ColCount);
    EXPECT_EQ(doubled.ColNames, base.ColNames);
    EXPECT_EQ(doubled.Picture, nullptr);
    EXPECT_EQ(doubled.RowNames[0], "2IPE200");
    const Cell expected[] = {{"A", 57},    {"G", 44.8},   {"Ix", 3880}, {"Sx", 388}, {"rx", 8.25},
                             {"Iy", 1709}, {"Sy", 170.9}, {"ry", 5.48}, {"d", 20},   {"bf", 10},
                             {"tw", 0.56}, {"tf", 0.85},  {"r", 1.2},   {"ex", 5},   {"ey", 10}};
    for (const Cell& cell : expected) {
        SCOPED_TRACE(cell.column);
        EXPECT_EQ(Value(doubled, 0, cell.column), cell.value);
    }
    // The base table is not touched.
    EXPECT_EQ(lib->Tables[0].Values, base.Values);
    EXPECT_EQ(lib->Tables[0].RowNames, base.RowNames);
}

TEST(BuildDoubleSectionTest, KeepsEveryRowWithItsDimensions) {
    TSectionTable base = MakeTable(pkI, "IPE", DefaultColumns());
    for (int row = 0; row < 12; ++row) {
        const double d = 8 + 2 * row;
        AddRow(base, "IPE" + std::to_string(static_cast<int>(d * 10)),
               {{"d", d},
                {"bf", d / 2},
                {"tw", (40 + 5 * row) / 100.0},
                {"tf", (50 + 10 * row) / 100.0},
                {"r", 0.5},
                {"A", 7.64 + 4 * row},
                {"Ix", 80.1 + 300 * row},
                {"Iy", 8.49 + 20 * row},
                {"ex", d / 4},
                {"ey", d / 2}});
    }
    auto lib = LibraryWith(base);
    BuildDoubleSection(*lib, 0, "2IPE");
    const TSectionTable& doubled = lib->Tables[1];
    ASSERT_EQ(doubled.RowCount, 12);
    EXPECT_EQ(doubled.ColNames, base.ColNames);
    for (std::size_t row = 0; row < 12; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(doubled.RowNames[row], "2" + base.RowNames[row]);
        for (const char* column : {"d", "bf", "tw", "tf", "r", "ex", "ey"})
            EXPECT_EQ(Value(doubled, row, column), Value(base, row, column)) << column;
    }
}

TEST(BuildDoubleSectionTest, RefusesWithTheLibraryUnchanged) {
    const auto ipe = [] { return LibraryWith(IpeTable()); };
    const auto fullLibrary = [] {
        auto lib = LibraryWith(IpeTable());
        for (std::size_t t = 1; t < kMaxTables; ++t)
            lib->Tables[t] = MakeTable(pkI, "T" + std::to_string(t), DefaultColumns());
        lib->TableCount = kMaxTables;
        return lib;
    };
    const auto withSecondRow = [](const char* zeroColumn) {
        return [zeroColumn] {
            TSectionTable table = IpeTable();
            std::vector<Cell> cells = {{"d", 10}, {"bf", 5.5}, {"A", 10.3}, {"Ix", 171}, {"Iy", 15.9}};
            for (Cell& cell : cells)
                if (std::string(cell.column) == zeroColumn)
                    cell.value = 0;
            AddRow(table, "IPE100", cells);
            return LibraryWith(table);
        };
    };
    const struct {
        const char* what;
        std::function<std::unique_ptr<TProfileLib>()> make;
        std::size_t base;
        const char* name;
        const char* message;
    } cases[] = {
        {"empty name", ipe, 0, "", "the double section table needs a name"},
        {"blank name", ipe, 0, "  ", "the double section table needs a name"},
        {"name in use", ipe, 0, "IPE", "the library already has a table named \"IPE\""},
        {"full library", fullLibrary, 0, "2IPE",
         "the library already holds 20 tables; remove one before building \"2IPE\""},
        {"no such base", ipe, 2, "2IPE", "there is no base table 3 (the library holds 1)"},
        {"A = 0", withSecondRow("A"), 0, "2IPE",
         "table \"IPE\", row 2 (IPE100): A is 0, so its double section cannot be computed"},
        {"d = 0", withSecondRow("d"), 0, "2IPE",
         "table \"IPE\", row 2 (IPE100): d is 0, so its double section cannot be computed"},
        {"bf = 0", withSecondRow("bf"), 0, "2IPE",
         "table \"IPE\", row 2 (IPE100): bf is 0, so its double section cannot be computed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto lib = c.make();
        const auto before = c.make();
        try {
            BuildDoubleSection(*lib, c.base, c.name);
            ADD_FAILURE() << "no error";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
        EXPECT_EQ(lib->TableCount, before->TableCount);
        EXPECT_EQ(lib->CurrentTable, before->CurrentTable);
        if (lib->TableCount < kMaxTables) {
            EXPECT_EQ(lib->Tables[lib->TableCount].RowCount, 0);
        }
    }
}

TEST(BuildDoubleSectionTest, CutsTheNameToThirtyCharacters) {
    auto lib = LibraryWith(IpeTable());
    BuildDoubleSection(*lib, 0, "2IPE-0123456789-0123456789-0123456789");
    EXPECT_EQ(lib->Tables[1].TableName, "2IPE-0123456789-0123456789-012");
    EXPECT_EQ(lib->Tables[1].RowNames[0], "2IPE-0123456789-0123");
}

} // namespace
