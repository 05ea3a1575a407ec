#include "workflows/BeamDesign.h"

#include "model/Errors.h"

#include "beam_test_support.h"

#include <gtest/gtest.h>
#include <memory>

using namespace orvex;
using namespace orvex::testing_support;

namespace {

struct Row {
    const char* name;
    double d, bf, tw, tf, r, A, Sx, Sy;
};

const Row kIpe200 = {"IPE200", 20, 10, 0.56, 0.85, 1.2, 28.5, 194, 28.5};
const Row kIpe270 = {"IPE270", 27, 13.5, 0.66, 1.02, 1.5, 45.9, 429, 62.2};
const Row kIpe300 = {"IPE300", 30, 15, 0.71, 1.07, 1.5, 53.8, 557, 80.5};
const Row kIpe330 = {"IPE330", 33, 16, 0.75, 1.15, 1.8, 62.6, 713, 98.5};

double ValueOf(const Row& row, const std::string& column) {
    if (column == "d")
        return row.d;
    if (column == "bf")
        return row.bf;
    if (column == "tw")
        return row.tw;
    if (column == "tf")
        return row.tf;
    if (column == "r")
        return row.r;
    if (column == "A")
        return row.A;
    if (column == "Sx")
        return row.Sx;
    if (column == "Sy")
        return row.Sy;
    return 0;
}

// Appends a table with the default columns; returns its index.
std::size_t AddTable(TProfileLib& lib, const std::string& name, TSectionKind kind,
                     std::initializer_list<Row> rows) {
    const std::size_t index = lib.TableCount++;
    TSectionTable& table = lib.Tables[index];
    table.TableName = name;
    table.Kind = static_cast<std::uint8_t>(kind);
    table.ColCount = static_cast<std::uint8_t>(DefaultColumnNames.size());
    for (std::size_t c = 0; c < DefaultColumnNames.size(); ++c)
        table.ColNames[c] = DefaultColumnNames[c];
    for (const Row& row : rows) {
        table.RowNames[table.RowCount] = row.name;
        for (std::size_t c = 0; c < DefaultColumnNames.size(); ++c)
            table.Values[table.RowCount][c] = ValueOf(row, DefaultColumnNames[c]);
        ++table.RowCount;
    }
    return index;
}

class DesignBeamTest : public ::testing::Test {
  protected:
    UnitsGuard units;
    std::unique_ptr<TProfileLib> lib = std::make_unique<TProfileLib>();
    CalcLog bending, shear;
    TElement element;

    void SetUp() override {
        // Anything left in the logs must be cleared by the search.
        bending.Add("stale");
        shear.Add("stale");
        element.ProfileName = "IPE";
        element.Source = esRolled;
        element.IsRolled = true;
        element.FlangeWebContinuous = true;
        element.Material = {"St 37", 2400, 3700, 2100000};
        element.L = 350;
        element.Mx = 800000; // more than IPE270 carries, within IPE300
        element.Vx = 6000;
    }

    const TSectionTable& Table(std::size_t index) const { return lib->Tables[index]; }
};

TEST_F(DesignBeamTest, TakesTheFirstPassingSectionInRowOrder) {
    AddTable(*lib, "UPN", pkU, {kIpe200});
    const std::size_t ipe = AddTable(*lib, "IPE", pkI, {kIpe200, kIpe270, kIpe300, kIpe330});
    ASSERT_TRUE(DesignBeam(bending, shear, element, *lib));
    EXPECT_EQ(element.SectionName, "IPE300");
    EXPECT_EQ(element.Sx, 557);
    EXPECT_EQ(lib->CurrentTable, ipe);
    EXPECT_EQ(Table(ipe).CurrentRow, 2);
    // the logs describe the passing section alone
    EXPECT_EQ(bending.Lines().front(), "fbx = Mx/Sx = 1436.266");
    EXPECT_EQ(bending.Lines().back(), "fbx/Fbx + fby/Fby <= 1   ==>   0.907 <= 1     OK.");
    EXPECT_EQ(shear.Lines().front(), "fvx = Vx/(d*tw) = 281.69");
    EXPECT_EQ(shear.Lines().back(), "fvx/Fv + fvy/Fv <= 1   ==>   0.293 <= 1     OK.");
    // the member group stays as the caller set it
    EXPECT_EQ(element.Mx, 800000);
    EXPECT_EQ(element.Material.Name, "St 37");
    EXPECT_TRUE(element.IsRolled);
}

TEST_F(DesignBeamTest, TheFirstPassingRowWinsOverALighterLaterOne) {
    AddTable(*lib, "IPE", pkI, {kIpe330, kIpe300, kIpe200});
    element.Mx = 450000;
    ASSERT_TRUE(DesignBeam(bending, shear, element, *lib));
    EXPECT_EQ(element.SectionName, "IPE330");
}

TEST_F(DesignBeamTest, NoPassingSectionLeavesTheLastOneTried) {
    const std::size_t ipe = AddTable(*lib, "IPE", pkI, {kIpe200, kIpe270, kIpe330});
    element.Mx = 5000000;
    EXPECT_FALSE(DesignBeam(bending, shear, element, *lib));
    EXPECT_EQ(element.SectionName, "IPE330");
    EXPECT_EQ(element.Sx, 713);
    EXPECT_EQ(Table(ipe).CurrentRow, 2);
    EXPECT_EQ(bending.Lines().front(), "fbx = Mx/Sx = 7012.623");
    EXPECT_EQ(bending.Lines().back().substr(0, 1), "*");
    // no section passed in bending, so the shear check never ran
    EXPECT_TRUE(shear.Empty());
}

TEST_F(DesignBeamTest, ShearIsNotCheckedForASectionFailingInBending) {
    AddTable(*lib, "IPE", pkI, {kIpe300, kIpe270});
    element.Vx = 60000; // too much for every web
    EXPECT_FALSE(DesignBeam(bending, shear, element, *lib));
    EXPECT_EQ(element.SectionName, "IPE270");
    EXPECT_EQ(bending.Lines().front(), "fbx = Mx/Sx = 1864.802");
    // the shear log still holds IPE300, the last section that passed in bending
    EXPECT_EQ(shear.Lines().front(), "fvx = Vx/(d*tw) = 2816.901");
    EXPECT_EQ(shear.Lines().back().substr(0, 1), "*");
}

TEST_F(DesignBeamTest, ReturnsFalseAtOnceWithoutRowsToTry) {
    struct Case {
        const char* name;
        std::function<void(TProfileLib&)> build;
    };
    const Case cases[] = {
        {"no Sx column",
         [](TProfileLib& l) {
             const std::size_t t = AddTable(l, "IPE", pkI, {kIpe300});
             l.Tables[t].ColNames[9] = "S";
         }},
        {"an empty table", [](TProfileLib& l) { AddTable(l, "IPE", pkI, {}); }},
        {"no table of that name", [](TProfileLib& l) { AddTable(l, "HEA", pkI, {kIpe300}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto library = std::make_unique<TProfileLib>();
        c.build(*library);
        TElement before = element;
        before.SectionName = "unchanged";
        TElement after = before;
        bending.Add("stale");
        shear.Add("stale");
        EXPECT_FALSE(DesignBeam(bending, shear, after, *library));
        EXPECT_TRUE(bending.Empty());
        EXPECT_TRUE(shear.Empty());
        EXPECT_EQ(after.SectionName, "unchanged");
        EXPECT_EQ(after.Kind, before.Kind);
        EXPECT_EQ(after.d, before.d);
        EXPECT_EQ(after.Sx, before.Sx);
    }
}

TEST_F(DesignBeamTest, TheSxColumnIsFoundWhateverItsLetterCase) {
    const std::size_t t = AddTable(*lib, "IPE", pkI, {kIpe270, kIpe300});
    lib->Tables[t].ColNames[9] = "SX";
    ASSERT_TRUE(DesignBeam(bending, shear, element, *lib));
    EXPECT_EQ(element.SectionName, "IPE300");
}

TEST_F(DesignBeamTest, RowsBeforeTheFirstNonNegativeSxAreSkipped) {
    Row unusable = kIpe330;
    unusable.name = "BROKEN";
    unusable.Sx = -1;
    AddTable(*lib, "IPE", pkI, {unusable, kIpe270, kIpe300});
    ASSERT_TRUE(DesignBeam(bending, shear, element, *lib));
    EXPECT_EQ(element.SectionName, "IPE300");
}

TEST_F(DesignBeamTest, AMalformedRowEndsTheSearchNamingItsValue) {
    Row malformed = kIpe300;
    malformed.name = "IPE300X";
    malformed.tw = 0;
    AddTable(*lib, "IPE", pkI, {kIpe270, malformed, kIpe330});
    try {
        DesignBeam(bending, shear, element, *lib);
        ADD_FAILURE() << "no ArithmeticError";
    } catch (const ArithmeticError& error) {
        EXPECT_STREQ(error.what(), "tw is 0 and is used as a divisor");
    }
    // the caller can name the section at fault
    EXPECT_EQ(element.SectionName, "IPE300X");
}

TEST_F(DesignBeamTest, ACompositeTableKeepsTheFramesFlags) {
    Row double300 = kIpe300;
    double300.name = "2IPE300";
    double300.bf = 30;
    double300.A = 107.6;
    double300.Sx = 1114;
    double300.Sy = 322;
    AddTable(*lib, "IPE", pkI, {kIpe300});
    const std::size_t composite = AddTable(*lib, "2IPE", pk2I, {double300});
    element.ProfileName = "2IPE";
    element.Source = esComposite;
    element.IsRolled = false;
    element.Mx = 1500000;
    ASSERT_TRUE(DesignBeam(bending, shear, element, *lib));
    EXPECT_EQ(lib->CurrentTable, composite);
    EXPECT_EQ(element.SectionName, "2IPE300");
    EXPECT_EQ(element.Kind, pk2I);
    EXPECT_FALSE(element.IsRolled);
    EXPECT_TRUE(element.FlangeWebContinuous);
    EXPECT_EQ(shear.Lines().front(), "fvx = Vx/(2*d*tw)  = 140.845");
}

} // namespace
