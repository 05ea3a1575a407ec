#include "model/Errors.h"
#include "model/Units.h"
#include "workflows/EndMoments.h"
#include "workflows/SectionChoice.h"

#include <gtest/gtest.h>

using namespace orvex;

namespace {

struct UnitsGuard {
    TUnits saved = CurrentUnits;
    ~UnitsGuard() { CurrentUnits = saved; }
};

TProfileLib TwoTableLibrary() {
    TProfileLib lib;
    lib.TableCount = 2;
    TSectionTable& rolled = lib.Tables[0];
    rolled.Kind = pkI;
    rolled.TableName = "IPE";
    rolled.ColCount = 3;
    rolled.ColNames[0] = "d";
    rolled.ColNames[1] = "bf";
    rolled.ColNames[2] = "Sx";
    rolled.RowCount = 2;
    rolled.RowNames[0] = "IPE100";
    rolled.Values[0] = {10, 5.5, 34.2};
    rolled.RowNames[1] = "IPE120";
    rolled.Values[1] = {12, 6.4, 53};
    TSectionTable& composite = lib.Tables[1];
    composite.Kind = pk2I;
    composite.TableName = "2IPE";
    composite.ColCount = 1;
    composite.ColNames[0] = "d";
    composite.RowCount = 1;
    composite.RowNames[0] = "2IPE100";
    composite.Values[0][0] = 10;
    return lib;
}

} // namespace

TEST(PlateSectionTest, DefaultPlatesGiveThePublishedProperties) {
    UnitsGuard guard;
    TProfileLib lib;
    TElement element;
    element.Kind = pkBox;
    element.Source = esComposite;
    SectionChoice choice;
    choice.Tab = SectionTab::Plate;
    BuildElement(choice, TMaterial{"St 37", 2400, 3700, 2100000}, rmAnalysis, lib, element);
    EXPECT_EQ(element.Kind, pkI);
    EXPECT_EQ(element.Source, esPlate);
    EXPECT_EQ(element.ProfileName, "CUSTOM I");
    EXPECT_FALSE(element.IsRolled);
    EXPECT_EQ(element.SectionName, "PL260x15+2PL140x20");
    const struct {
        const char* name;
        Extended value;
        double expected;
    } values[] = {{"h", element.h, 26},        {"b", element.b, 6.25},
                  {"A", element.A, 95},        {"Ix", element.Ix, 11679.667},
                  {"Iy", element.Iy, 921.979}, {"Sx", element.Sx, 778.644},
                  {"Sy", element.Sy, 131.711}, {"rx", element.rx, 11.088},
                  {"ry", element.ry, 3.115},   {"r", element.r, 0}};
    for (const auto& v : values) {
        SCOPED_TRACE(v.name);
        EXPECT_NEAR(static_cast<double>(v.value), v.expected, 0.0005);
    }
    // the same plates typed in mm
    CurrentUnits.LengthUnit = "mm";
    choice.Plates = {"300", "15", "140", "20"};
    TElement inMillimetres;
    BuildElement(choice, TMaterial{}, rmAnalysis, lib, inMillimetres);
    EXPECT_EQ(inMillimetres.SectionName, element.SectionName);
    EXPECT_NEAR(static_cast<double>(inMillimetres.Ix), static_cast<double>(element.Ix), 1e-9);
}

TEST(PlateSectionTest, PlatesThatGiveNoSectionAreRefused) {
    TProfileLib lib;
    const struct {
        PlateSizes plates;
        const char* message;
    } cases[] = {
        {{"0", "1.5", "14", "2"}, "the plate size d must be greater than 0"},
        {{"30", "1.5", "0", "2"}, "the plate size bf must be greater than 0"},
        {{"30", "-1", "14", "2"}, "the plate size tw must be greater than 0"},
        {{"4", "1.5", "14", "2"}, "the plate sizes leave no web: h = d - 2tf must be greater than 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        SectionChoice choice;
        choice.Tab = SectionTab::Plate;
        choice.Plates = c.plates;
        TElement element;
        try {
            BuildElement(choice, TMaterial{}, rmAnalysis, lib, element);
            ADD_FAILURE() << "no error";
        } catch (const ArithmeticError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    SectionChoice text;
    text.Tab = SectionTab::Plate;
    text.Plates.d = "thirty";
    TElement element;
    EXPECT_THROW(BuildElement(text, TMaterial{}, rmAnalysis, lib, element), ConversionError);
    text.Plates.d = "30";
    EXPECT_THROW(BuildElement(text, TMaterial{}, rmDesign, lib, element), Error);
}

TEST(SectionChoiceTest, TabsListTheirOwnTablesAndFillTheElement) {
    TProfileLib lib = TwoTableLibrary();
    EXPECT_EQ(TablesOfTab(lib, SectionTab::Rolled), std::vector<std::size_t>{0});
    EXPECT_EQ(TablesOfTab(lib, SectionTab::Composite), std::vector<std::size_t>{1});

    TElement element;
    element.Material = TMaterial{"old", 1, 1, 1};
    SectionChoice choice; // rolled, first table, design: only the table name and flags
    BuildElement(choice, TMaterial{"St 37", 2400, 3700, 2100000}, rmDesign, lib, element);
    EXPECT_EQ(element.ProfileName, "IPE");
    EXPECT_EQ(element.Source, esRolled);
    EXPECT_TRUE(element.IsRolled);
    EXPECT_TRUE(element.FlangeWebContinuous);
    EXPECT_EQ(element.Material.Name, "St 37");
    EXPECT_TRUE(element.SectionName.empty());

    choice.Section = "ipe120";
    BuildElement(choice, TMaterial{}, rmAnalysis, lib, element);
    EXPECT_EQ(element.SectionName, "IPE120");
    EXPECT_EQ(element.d, 12);
    EXPECT_EQ(element.b, Extended{6.4} / 2);
    EXPECT_EQ(element.r, -1); // the table has no column r

    SectionChoice composite;
    composite.Tab = SectionTab::Composite;
    composite.FlangeWebContinuous = false;
    BuildElement(composite, TMaterial{}, rmAnalysis, lib, element);
    EXPECT_EQ(element.SectionName, "2IPE100");
    EXPECT_FALSE(element.FlangeWebContinuous);
    EXPECT_FALSE(element.IsRolled);
    composite.ContinuityOption = false; // the connection picker offers no box
    BuildElement(composite, TMaterial{}, rmAnalysis, lib, element);
    EXPECT_TRUE(element.FlangeWebContinuous);

    SectionChoice missing;
    missing.Table = "HEB";
    EXPECT_THROW(BuildElement(missing, TMaterial{}, rmDesign, lib, element), Error);
    missing.Table = "2IPE"; // a composite table is not on the rolled tab
    EXPECT_THROW(BuildElement(missing, TMaterial{}, rmDesign, lib, element), Error);
    SectionChoice row;
    row.Section = "IPE999";
    EXPECT_THROW(BuildElement(row, TMaterial{}, rmAnalysis, lib, element), Error);
    row.Section.clear();
    row.Row = 6;
    EXPECT_THROW(BuildElement(row, TMaterial{}, rmAnalysis, lib, element), Error);
}

TEST(EndMomentsTest, TheSmallerMomentBecomesM1) {
    const struct {
        EndMomentsInput input;
        double M1, M2;
        int curvature;
    } cases[] = {
        {{"300", "200", 1}, 200, 300, 1},
        {{"-50", "30", -1}, -50, 30, -1},
        {{"10", "10", 0}, 10, 10, -1}, // anything but +1 is single curvature
    };
    for (const auto& c : cases) {
        Extended M1 = 0, M2 = 0;
        std::int8_t curvature = 0;
        ReadEndMoments(c.input, M1, M2, curvature);
        EXPECT_EQ(M1, c.M1);
        EXPECT_EQ(M2, c.M2);
        EXPECT_EQ(curvature, c.curvature);
    }
    Extended M1 = 0, M2 = 0;
    std::int8_t curvature = 0;
    EXPECT_THROW(ReadEndMoments({"x", "1", 1}, M1, M2, curvature), ConversionError);
}
