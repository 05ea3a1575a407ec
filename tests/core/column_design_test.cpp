#include "model/Errors.h"
#include "section_table_fixture.h"
#include "workflows/ColumnDesign.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace orvex;
using namespace orvex::testing;

namespace {

// Under P = 30 t, Mx = 3 t.m, My = 0.1 t.m over 3 m: SMALL fails, COL and BIG pass.
const FixtureRow kSmall = {"SMALL",
                           {{"d", 20},
                            {"bf", 10},
                            {"tw", 0.56},
                            {"tf", 0.85},
                            {"r", 1.2},
                            {"A", 28.5},
                            {"Sx", 194},
                            {"rx", 8.26},
                            {"Sy", 28.5},
                            {"ry", 2.24}}};
const FixtureRow kCol = {"COL",
                         {{"d", 30},
                          {"bf", 15},
                          {"tw", 0.71},
                          {"tf", 1.07},
                          {"r", 1.5},
                          {"A", 53.8},
                          {"Sx", 557},
                          {"rx", 12.5},
                          {"Sy", 80.5},
                          {"ry", 3.35}}};
const FixtureRow kBig = {"BIG",
                         {{"d", 40},
                          {"bf", 18},
                          {"tw", 0.86},
                          {"tf", 1.35},
                          {"r", 2.1},
                          {"A", 84.5},
                          {"Sx", 1160},
                          {"rx", 16.5},
                          {"Sy", 146},
                          {"ry", 3.95}}};

FixtureRow Renamed(FixtureRow row, const std::string& name) {
    row.name = name;
    return row;
}

// Flanges too wide for their thickness: a slender section.
FixtureRow Slender() {
    FixtureRow row = Renamed(kBig, "SLENDER");
    row.values["bf"] = 60;
    return row;
}

TElement ColumnToDesign() {
    TElement e;
    e.ProfileName = "IPE";
    e.SectionName = "before";
    e.IsRolled = true;
    e.FlangeWebContinuous = true;
    e.Material = {"St 37", 2400, 3700, 2100000};
    e.L = 300;
    e.Lbx = 150;
    e.Lby = 150;
    e.P = 30000;
    e.Mx = 300000;
    e.My = 10000;
    e.Kx = 1;
    e.Ky = 1;
    e.BracedX = e.BracedY = true;
    e.CmCaseX = e.CmCaseY = 6;
    return e;
}

const std::vector<std::string> kNoA(DefaultColumnNames.begin(), DefaultColumnNames.begin() + 6); // d..r2

} // namespace

TEST(ColumnDesignTest, FirstPassingRowInStoredOrder) {
    struct Case {
        const char* what;
        std::vector<FixtureRow> rows;
        std::vector<std::string> columns;
        std::string profileName;
        bool found;
        std::string section; // what the element holds afterwards
    };
    std::vector<std::string> lowerCaseA(DefaultColumnNames.begin(), DefaultColumnNames.end());
    lowerCaseA[6] = "a";
    const Case cases[] = {
        {"failing rows are passed over", {kSmall, kCol, kBig}, {}, "IPE", true, "COL"},
        {"the first row passes", {kCol, kBig}, {}, "IPE", true, "COL"},
        {"heaviest first: the heaviest passing row is taken", {kBig, kCol}, {}, "IPE", true, "BIG"},
        {"a slender row is passed over", {Slender(), kCol}, {}, "IPE", true, "COL"},
        {"the area column is found in any letter case", {kSmall, kCol}, lowerCaseA, "IPE", true, "COL"},
        {"no row passes: the last row is kept",
         {kSmall, Renamed(kSmall, "SMALL2")},
         {},
         "IPE",
         false,
         "SMALL2"},
        {"no area column: nothing is tried", {kCol}, kNoA, "IPE", false, "before"},
        {"no rows: nothing is tried", {}, {}, "IPE", false, "before"},
        {"a name that is no table: nothing is tried", {kSmall, kCol}, {}, "CUSTOM I", false, "before"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto lib = MakeLibrary({MakeTable("HEB", pkI, {kBig}), MakeTable("IPE", pkI, c.rows, c.columns)});
        lib->CurrentTable = 1;
        TElement element = ColumnToDesign();
        element.ProfileName = c.profileName;
        CalcLog log;
        log.Add("stale");
        EXPECT_EQ(DesignColumn(log, element, *lib), c.found);
        EXPECT_EQ(element.SectionName, c.section);
        // only the section part changes
        EXPECT_EQ(element.ProfileName, c.profileName);
        EXPECT_EQ(element.Material.Name, "St 37");
        EXPECT_EQ(element.P, 30000);
        EXPECT_EQ(element.Lbx, 150);
        EXPECT_TRUE(element.IsRolled);
        if (c.section == "before") {
            EXPECT_TRUE(log.Empty());
            EXPECT_EQ(element.A, 0);
            continue;
        }
        // the log holds the check of the section the element holds
        ASSERT_FALSE(log.Empty());
        EXPECT_EQ(log.Lines().front(), "fa  = P / A = " + FormatQuantity(qkStress, 30000 / element.A));
        if (c.found) {
            EXPECT_THAT(log.Lines().back(), ::testing::StartsWith("fa/(0.6*Fy) + fbx/Fbx + fby/Fby <=1"));
            EXPECT_THAT(log.Lines().back(), ::testing::EndsWith("     OK."));
        } else {
            EXPECT_EQ(log.Lines().back().front(), '*');
        }
    }
}

TEST(ColumnDesignTest, RowMissingAColumnTheCheckNeedsEndsTheRun) {
    std::vector<std::string> noSy(DefaultColumnNames.begin(), DefaultColumnNames.end());
    noSy.erase(noSy.begin() + 12); // Sy
    auto lib = MakeLibrary({MakeTable("IPE", pkI, {kCol}, noSy)});
    TElement element = ColumnToDesign();
    CalcLog log;
    try {
        DesignColumn(log, element, *lib);
        ADD_FAILURE() << "no error";
    } catch (const ArithmeticError& e) {
        EXPECT_STREQ(e.what(), "Sy of section COL is -1 (a missing or negative value cannot be used)");
    }
}
