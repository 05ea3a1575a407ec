#include "library/ProfileLib.h"

#include <gtest/gtest.h>

#include <memory>

using namespace orvex;

namespace {

// Table 0 "IPE" (pkI) with three rows; table 1 "BOX" (pkBox) without an "r" column; table 2
// "EMPTY" with no rows.
std::unique_ptr<TProfileLib> Library() {
    auto lib = std::make_unique<TProfileLib>();
    lib->TableCount = 3;
    TSectionTable& ipe = lib->Tables[0];
    ipe.Kind = pkI;
    ipe.TableName = "IPE";
    ipe.ColCount = 5;
    ipe.ColNames = {"d", "bf", "tw", "Ix", "Sx"};
    ipe.RowCount = 3;
    ipe.RowNames = {"IPE100", "IPE120", "IPE140"};
    ipe.Values[0] = {10, 5.5, 0.41, 171, 34.2};
    ipe.Values[1] = {12, 6.4, 0.44, 318, 53};
    ipe.Values[2] = {14, 7.3, 0.47, 541, 77.3};
    ipe.Picture = std::make_shared<const std::vector<std::uint8_t>>(3, 'B');
    TSectionTable& box = lib->Tables[1];
    box.Kind = pkBox;
    box.TableName = "BOX";
    box.ColCount = 4;
    box.ColNames = {"d", "bf", "tw", "A"};
    box.RowCount = 1;
    box.RowNames = {"BOX200"};
    box.Values[0] = {30, 20, 1, 96};
    lib->Tables[2].TableName = "EMPTY";
    return lib;
}

TEST(ProfileLibTest, ProfileValueFindsColumnsIgnoringAsciiCase) {
    auto lib = Library();
    lib->Tables[0].CurrentRow = 1;
    const struct {
        const char* column;
        Extended value;
    } cases[] = {
        {"Ix", 318}, {"IX", 318}, {"ix", 318}, {"SX", 53}, {"r", -1}, {"I", -1}, {"Ixx", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(ProfileValue(*lib, c.column), c.value);
    }
}

TEST(ProfileLibTest, ProfileToElementFillsTheSectionAndDerivesBAndH) {
    auto lib = Library();
    TElement element;
    element.L = 350;
    element.ProfileName = "kept";

    lib->Tables[0].CurrentRow = 2;
    ProfileToElement(*lib, element);
    EXPECT_EQ(element.Kind, pkI);
    EXPECT_EQ(element.SectionName, "IPE140");
    EXPECT_EQ(element.Picture, lib->Tables[0].Picture); // the table's own picture, not a copy
    EXPECT_EQ(element.d, 14);
    EXPECT_EQ(element.Ix, 541);
    EXPECT_EQ(element.A, -1);                             // the table has no column A
    EXPECT_EQ(element.b, static_cast<Extended>(7.3) / 2); // the stored double, widened
    EXPECT_EQ(element.h, 14);
    EXPECT_EQ(element.L, 350);
    EXPECT_EQ(element.ProfileName, "kept");

    // Without an "r" column, r is -1 and a box gets b = bf - 2(tw - 1).
    lib->CurrentTable = 1;
    ProfileToElement(*lib, element);
    EXPECT_EQ(element.Kind, pkBox);
    EXPECT_EQ(element.r, -1);
    EXPECT_EQ(element.b, 20 - 2 * (1 - 1));
    EXPECT_EQ(element.Picture, nullptr);
}

TEST(ProfileLibTest, DerivedWidthByKind) {
    const struct {
        std::uint8_t kind;
        Extended b;
    } cases[] = {
        {pkI, 10}, {pkT, 10},   {pk2I, 10},   {pkU, 20}, {pkL, 20},
        {pkZ, 20}, {pkBox, 16}, {pkPipe, 16}, {8, 123}, // no rule for an unknown code: b is left alone
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.kind));
        auto lib = Library();
        TSectionTable& table = lib->Tables[1];
        table.Kind = c.kind;
        table.ColNames[3] = "r";
        table.Values[0] = {30, 20, 1, 1};
        lib->CurrentTable = 1;
        TElement element;
        element.b = 123;
        ProfileToElement(*lib, element);
        EXPECT_EQ(element.b, c.b);
        EXPECT_EQ(element.h, 30);
    }
}

TEST(ProfileLibTest, FindProfileTableComparesTheWholeNameExactly) {
    auto lib = Library();
    lib->CurrentTable = 1;
    for (const char* name : {"ipe", "IP", "IPE ", ""}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(FindProfileTable(*lib, name));
        EXPECT_EQ(lib->CurrentTable, 1);
    }
    EXPECT_TRUE(FindProfileTable(*lib, "EMPTY"));
    EXPECT_EQ(lib->CurrentTable, 2);
    // Only tables in use are searched.
    lib->Tables[5].TableName = "OLD";
    EXPECT_FALSE(FindProfileTable(*lib, "OLD"));
}

TEST(ProfileLibTest, FindProfileAtLeastTakesTheFirstQualifyingRow) {
    const struct {
        const char* column;
        double minimum;
        bool found;
        int row;
    } cases[] = {
        {"Sx", 0, true, 0},     // every row qualifies: the first one
        {"sx", 53, true, 1},    // a value exactly at the minimum qualifies
        {"Sx", 53.01, true, 2}, //
        {"Sx", 1000, false, 1}, // none qualifies: no change
        {"Zx", 0, false, 1},    // no such column: no change
        {"d", -1e300, true, 0}, //
        {"tw", 0.44, true, 1},  //
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.column) + " " + std::to_string(c.minimum));
        auto lib = Library();
        lib->Tables[0].CurrentRow = 1;
        EXPECT_EQ(FindProfileAtLeast(*lib, c.column, c.minimum), c.found);
        EXPECT_EQ(lib->Tables[0].CurrentRow, c.row);
    }
    auto lib = Library();
    lib->CurrentTable = 2;
    EXPECT_FALSE(FindProfileAtLeast(*lib, "Sx", 0));
}

TEST(ProfileLibTest, FindProfileByNameIgnoresAsciiCase) {
    auto lib = Library();
    EXPECT_TRUE(FindProfileByName(*lib, "ipe120"));
    EXPECT_EQ(lib->Tables[0].CurrentRow, 1);
    EXPECT_FALSE(FindProfileByName(*lib, "IPE12"));
    EXPECT_EQ(lib->Tables[0].CurrentRow, 1);
}

TEST(ProfileLibTest, AdvanceProfileStopsOnTheLastRow) {
    auto lib = Library();
    EXPECT_TRUE(AdvanceProfile(*lib));
    EXPECT_TRUE(AdvanceProfile(*lib));
    EXPECT_EQ(lib->Tables[0].CurrentRow, 2);
    EXPECT_FALSE(AdvanceProfile(*lib));
    EXPECT_EQ(lib->Tables[0].CurrentRow, 2);

    lib->CurrentTable = 2; // no rows
    EXPECT_FALSE(AdvanceProfile(*lib));
    EXPECT_EQ(lib->Tables[2].CurrentRow, 0);
}

TEST(ProfileLibTest, ProfileNamesListsRowsAndRestoresTheSelection) {
    auto lib = Library();
    lib->CurrentTable = 1;
    lib->Tables[0].CurrentRow = 2;
    EXPECT_EQ(ProfileNames(*lib, "IPE"), (std::vector<std::string>{"IPE100", "IPE120", "IPE140"}));
    EXPECT_EQ(lib->CurrentTable, 1);
    EXPECT_EQ(lib->Tables[0].CurrentRow, 2);
    // An unknown name lists the current table.
    EXPECT_EQ(ProfileNames(*lib, "HEA"), (std::vector<std::string>{"BOX200"}));
    EXPECT_TRUE(ProfileNames(*lib, "EMPTY").empty());
}

} // namespace
