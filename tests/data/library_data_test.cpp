// The shipped main section library as the build makes it: its tables, their order, and every
// row checked against its own dimensions.

#include "LibraryDataCheck.h"

#include "library/ProfileLibFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace orvex::datacheck {
namespace {

const TProfileLib& ShippedLibrary() {
    static const std::unique_ptr<TProfileLib> library = [] {
        auto lib = std::make_unique<TProfileLib>();
        lib->FileName = ORVEX_MAIN_LIBRARY;
        try {
            LoadProfileLib(*lib);
        } catch (const std::exception& error) {
            ADD_FAILURE() << error.what();
        }
        return lib;
    }();
    return *library;
}

std::size_t TableIndex(const TProfileLib& lib, const std::string& name) {
    for (std::size_t i = 0; i < lib.TableCount; ++i)
        if (lib.Tables[i].TableName == name)
            return i;
    ADD_FAILURE() << "no table " << name;
    return 0;
}

std::size_t RowIndex(const TSectionTable& table, const std::string& name) {
    for (std::size_t row = 0; row < table.RowCount; ++row)
        if (table.RowNames[row] == name)
            return row;
    ADD_FAILURE() << "no row " << name << " in " << table.TableName;
    return 0;
}

std::string Lines(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& text : texts)
        out += text + "\n";
    return out;
}

TEST(ShippedLibrary, HoldsItsTablesInOrder) {
    const std::vector<std::pair<std::string, TSectionKind>> expected = {
        {"IPE", pkI}, {"INP", pkI},       {"HEA", pkI},   {"HEB", pkI},   {"HEM", pkI},    {"UNP", pkU},
        {"L", pkL},   {"L-UNEQUAL", pkL}, {"SHS", pkBox}, {"RHS", pkBox}, {"CHS", pkPipe}, {"IPET", pkT},
        {"2L", pkZ},  {"2IPE", pk2I},     {"2INP", pk2I}, {"2UNP", pk2I},
    };
    const TProfileLib& lib = ShippedLibrary();
    ASSERT_EQ(std::size_t{lib.TableCount}, expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TSectionTable& table = lib.Tables[i];
        SCOPED_TRACE(table.TableName);
        EXPECT_EQ(table.TableName, expected[i].first);
        EXPECT_EQ(table.Kind, expected[i].second);
        // The 17 default columns in their order keep every table usable by the text exchange.
        ASSERT_EQ(std::size_t{table.ColCount}, DefaultColumnNames.size());
        for (std::size_t c = 0; c < DefaultColumnNames.size(); ++c)
            EXPECT_EQ(table.ColNames[c], DefaultColumnNames[c]);
        EXPECT_GT(int{table.RowCount}, 0);
        // A 64 x 64 Windows bitmap: the width and height fields of its info header.
        ASSERT_TRUE(table.Picture && table.Picture->size() > 26);
        const std::vector<std::uint8_t>& bmp = *table.Picture;
        EXPECT_EQ(bmp[0], 'B');
        EXPECT_EQ(bmp[1], 'M');
        EXPECT_EQ(bmp[18] | bmp[19] << 8, 64);
        EXPECT_EQ(bmp[22] | bmp[23] << 8, 64);
    }
}

// The connection window starts with the beam on row 6 of the first rolled table, the column on
// row 4 of the first double table, and the seat angle from the first angle table.
TEST(ShippedLibrary, ConnectionStartsOnSensibleSections) {
    const TProfileLib& lib = ShippedLibrary();
    const TSectionTable* rolled = nullptr;
    const TSectionTable* composite = nullptr;
    const TSectionTable* angles = nullptr;
    for (std::size_t i = lib.TableCount; i-- > 0;) {
        const TSectionTable& table = lib.Tables[i];
        (table.Kind == pk2I ? composite : rolled) = &table;
        if (table.Kind == pkL)
            angles = &table;
    }
    ASSERT_TRUE(rolled && composite && angles);
    EXPECT_EQ(rolled->RowNames[6], "IPE220");
    EXPECT_EQ(composite->RowNames[4], "2IPE180");
    EXPECT_EQ(angles->TableName, "L");
}

TEST(ShippedLibrary, EveryRowAgreesWithItsDimensions) {
    const TProfileLib& lib = ShippedLibrary();
    for (std::size_t i = 0; i < lib.TableCount; ++i) {
        SCOPED_TRACE(lib.Tables[i].TableName);
        const std::vector<std::string> problems = CheckTableRows(lib, i);
        EXPECT_TRUE(problems.empty()) << Lines(problems);
    }
}

// A design search takes the first passing row: lightest first makes it the lightest section.
TEST(ShippedLibrary, RowsRunFromLightToHeavy) {
    const TProfileLib& lib = ShippedLibrary();
    for (std::size_t i = 0; i < lib.TableCount; ++i) {
        const TSectionTable& table = lib.Tables[i];
        SCOPED_TRACE(table.TableName);
        const int g = FindColumn(table, "G");
        ASSERT_GE(g, 0);
        for (std::size_t row = 1; row < table.RowCount; ++row)
            EXPECT_LE(table.Values[row - 1][g], table.Values[row][g]) << table.RowNames[row];
    }
}

// One mistyped value in a copy of the library: the check must name the row and a quantity that
// no longer agrees.
TEST(DataCheck, FlagsAMistypedValue) {
    struct Case {
        const char* table;
        const char* row;
        const char* column;
        double value;
        const char* flagged; // the start of one of the messages
        const char* basis;   // and what it was compared with
    };
    const Case cases[] = {
        {"IPE", "IPE200", "A", 24.88, "IPE200: A = 24.88, expected", "from the dimensions"},
        {"IPE", "IPE200", "Ix", 1493, "IPE200: Ix = 1493, expected", "from the dimensions"},
        {"IPE", "IPE200", "Iy", 124.2, "IPE200: Iy = 124.2, expected", "from the dimensions"},
        {"IPE", "IPE200", "tf", 0.58, "IPE200: A = 28.48, expected", "from the dimensions"},
        {"IPE", "IPE200", "G", 24.2, "IPE200: G = 24.2, expected", "from 0.785 A"},
        {"IPE", "IPE200", "Sx", 149.3, "IPE200: Sx = 149.3, expected", "from Ix / c"},
        {"IPE", "IPE200", "ry", 2.42, "IPE200: ry = 2.42, expected", "from sqrt(Iy / A)"},
        {"INP", "INP200", "Iy", 171, "INP200: Iy = 171, expected", "from the dimensions"},
        {"UNP", "UNP200", "ex", 2.1, "UNP200: ex = 2.1, expected", "from the centroid"},
        {"L", "L100x100x10", "ey", 2.28, "L100x100x10: ey = 2.28, expected", "from the centroid"},
        {"L-UNEQUAL", "L100x50x8", "Ix", 161, "L100x50x8: Ix = 161, expected", "from the dimensions"},
        {"SHS", "SHS100x100x5", "Ix", 297.4, "SHS100x100x5: Ix = 297.4, expected", "from the dimensions"},
        {"CHS", "CHS168.3x8", "d", 16.38, "CHS168.3x8: A = 40.29, expected", "from the dimensions"},
        {"IPET", "IPET100", "ey", 2.524, "IPET100: ey = 2.524, expected", "from the centroid"},
        {"2L", "2L100x100x10", "Iy", 677.7, "2L100x100x10: Iy = 677.7, expected", "from the dimensions"},
        {"2IPE", "2IPE200", "Iy", 1780.8, "2IPE200: Iy = 1780.8, expected", "from the base section"},
        // A typo in a base table shows in the double table built from it.
        {"IPE", "IPE200", "bf", 1.0, "2IPE200: bf = 10, expected", "from the base section"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.table) + " " + c.row + " " + c.column);
        auto copy = std::make_unique<TProfileLib>(ShippedLibrary());
        TSectionTable& table = copy->Tables[TableIndex(*copy, c.table)];
        const int column = FindColumn(table, c.column);
        ASSERT_GE(column, 0);
        table.Values[RowIndex(table, c.row)][column] = c.value;

        std::vector<std::string> problems;
        for (std::size_t i = 0; i < copy->TableCount; ++i)
            for (std::string& problem : CheckTableRows(*copy, i))
                problems.push_back(std::move(problem));
        bool found = false;
        for (const std::string& problem : problems)
            found = found || (problem.starts_with(c.flagged) && problem.find(c.basis) != std::string::npos);
        EXPECT_TRUE(found) << Lines(problems);
    }
}

} // namespace
} // namespace orvex::datacheck
