#include "model/Errors.h"
#include "model/Units.h"
#include "workflows/BeamRun.h"
#include "workflows/ColumnRun.h"
#include "workflows/ConnectionRun.h"

#include "section_table_fixture.h"

#include <gtest/gtest.h>

using namespace orvex;
using orvex::testing::FixtureRow;
using orvex::testing::MakeLibrary;
using orvex::testing::MakeTable;

namespace {

const TMaterial kSt37{"St 37", 2400, 3700, 2100000};

FixtureRow IRow(const std::string& name, double d, double bf, double tw, double tf, double r, double A,
                double Ix, double Sx, double rx, double Iy, double Sy, double ry) {
    return {name,
            {{"d", d},
             {"bf", bf},
             {"tw", tw},
             {"tf", tf},
             {"r", r},
             {"A", A},
             {"Ix", Ix},
             {"Sx", Sx},
             {"rx", rx},
             {"Iy", Iy},
             {"Sy", Sy},
             {"ry", ry}}};
}

// Published IPE rows (cm), a double table made of them, and one angle table.
std::unique_ptr<TProfileLib> Library() {
    const std::vector<FixtureRow> ipe = {
        IRow("IPE200", 20, 10, 0.56, 0.85, 1.2, 28.5, 1940, 194, 8.26, 142, 28.5, 2.24),
        IRow("IPE240", 24, 12, 0.62, 0.98, 1.5, 39.1, 3890, 324, 9.97, 284, 47.3, 2.69),
        IRow("IPE300", 30, 15, 0.71, 1.07, 1.5, 53.8, 8360, 557, 12.5, 604, 80.5, 3.35),
    };
    const std::vector<FixtureRow> doubles = {
        IRow("2IPE200", 20, 10, 0.56, 0.85, 1.2, 57, 3880, 388, 8.25, 1709, 170.9, 5.48),
        IRow("2IPE300", 30, 15, 0.71, 1.07, 1.5, 107.6, 16720, 1114.67, 12.47, 7260.5, 484, 8.21),
    };
    const std::vector<FixtureRow> angles = {
        {"L60x60x6", {{"d", 6}, {"bf", 6}, {"tw", 0.6}, {"tf", 0.6}, {"r", 0.8}, {"A", 6.91}}},
        {"L100x100x10", {{"d", 10}, {"bf", 10}, {"tw", 1}, {"tf", 1}, {"r", 1.2}, {"A", 19.2}}},
    };
    return MakeLibrary(
        {MakeTable("IPE", pkI, ipe), MakeTable("L", pkL, angles), MakeTable("2IPE", pk2I, doubles)});
}

} // namespace

TEST(BeamRunTest, DesignAndAnalysisFillTheElementAsTheWindowDoes) {
    auto lib = Library();
    BeamJob job; // the window's initial values: a design over the first rolled table
    job.Material = kSt37;
    const BeamRunResult design = RunBeam(job, *lib);
    EXPECT_TRUE(design.Found);
    EXPECT_EQ(design.Element.SectionName, "IPE240"); // IPE200 is overstressed (fbx 2320 kg/cm²)
    EXPECT_EQ(design.Element.L, 350);
    EXPECT_EQ(design.Element.Mx, 450000);
    EXPECT_EQ(design.Element.P, 0);
    EXPECT_FALSE(design.BendingLog.Empty());
    EXPECT_FALSE(design.ShearLog.Empty());

    job.Mode = rmAnalysis;
    job.Section.Section = "IPE200";
    job.ComputeCb = true;
    job.CbEndMoments = EndMomentsInput{"300", "200", 1};
    const BeamRunResult analysis = RunBeam(job, *lib);
    EXPECT_TRUE(analysis.Found); // an analysis always reports, passing or not
    EXPECT_EQ(analysis.Element.SectionName, "IPE200");
    EXPECT_EQ(analysis.BendingLog.Lines().back().front(), '*');
    EXPECT_EQ(analysis.Element.M1x, 200);
    EXPECT_EQ(analysis.Element.M2x, 300);
    EXPECT_EQ(analysis.Element.CurvatureX, 1);
    EXPECT_TRUE(analysis.Element.ComputeCb);
}

TEST(BeamRunTest, ErrorsNameWhatIsWrong) {
    auto lib = Library();
    lib->Tables[0].Values[0][2] = 0; // IPE200 with tw = 0
    BeamJob job;
    job.Material = kSt37;
    try {
        RunBeam(job, *lib);
        ADD_FAILURE() << "no error";
    } catch (const ArithmeticError& e) {
        EXPECT_NE(std::string(e.what()).find("IPE200"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("tw"), std::string::npos) << e.what();
    }
    job.L = "3,5";
    EXPECT_THROW(RunBeam(job, *lib), ConversionError);
    job.L = "-350";
    try {
        RunBeam(job, *lib);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "the length L must not be negative");
    }
}

TEST(ColumnRunTest, CoefficientsReachTheElement) {
    auto lib = Library();
    ColumnJob job;
    job.Mode = rmAnalysis;
    job.Material = kSt37;
    job.Section.Tab = SectionTab::Composite;
    job.Kx = "0.8";
    job.BracedX = false;
    job.TransverseLoadY = true;
    job.CmCaseY = 3;
    job.EndMomentsX = EndMomentsInput{"50", "-20", -1};
    const ColumnRunResult run = RunColumn(job, *lib);
    const TElement& e = run.Element;
    EXPECT_EQ(e.SectionName, "2IPE200");
    EXPECT_EQ(e.Kx, Extended{0.8L});
    EXPECT_EQ(e.Ky, 1);
    EXPECT_FALSE(e.BracedX);
    EXPECT_TRUE(e.BracedY);
    EXPECT_TRUE(e.TransverseLoadY);
    EXPECT_EQ(e.CmCaseX, 6);
    EXPECT_EQ(e.CmCaseY, 3);
    EXPECT_EQ(e.M1x, -20);
    EXPECT_EQ(e.M2x, 50);
    EXPECT_EQ(e.CurvatureX, -1);
    EXPECT_EQ(e.CurvatureY, 0); // the y dialog was never confirmed
    EXPECT_EQ(e.P, 60000);
    EXPECT_EQ(e.Cmx, 0); // work fields of the check stay in its own copy
    EXPECT_FALSE(run.Log.Empty());

    job.Kx = "20";
    EXPECT_THROW(RunColumn(job, *lib), Error);
    job.Kx = "1";
    job.CmCaseX = 7;
    EXPECT_THROW(RunColumn(job, *lib), Error);
}

TEST(ConnectionRunTest, AngleLengthWeldSizeAndElectrode) {
    auto lib = Library();
    struct Case {
        const char* label;
        SectionTab columnTab;
        const char* column;
        double columnBf, columnTf;
        double angleLength;
    };
    // The angle runs across the column flange: bf - 2tf, for a double section 2bf - 2tf, rounded
    // to whole centimetres with ties to even.
    const Case cases[] = {
        {"rolled, 26.2 rounds down", SectionTab::Rolled, "IPE300", 30, 1.9, 26},
        {"double, 37.5 rounds to even", SectionTab::Composite, "2IPE300", 20, 1.25, 38},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        auto library = Library();
        TSectionTable& table = library->Tables[c.columnTab == SectionTab::Rolled ? 0 : 2];
        const std::size_t row = c.columnTab == SectionTab::Rolled ? 2 : 1;
        table.Values[row][1] = c.columnBf;
        table.Values[row][3] = c.columnTf;
        ConnectionJob job;
        job.Mode = rmAnalysis;
        job.Beam.Material = job.Column.Material = kSt37;
        job.Beam.Section.Section = "IPE300";
        job.Column.Section.Tab = c.columnTab;
        job.Column.Section.Section = c.column;
        job.Angle = "L100x100x10";
        job.Electrode = 3;
        job.Quality = "1.0";
        const ConnectionRunResult run = RunConnection(job, *library);
        EXPECT_EQ(run.Connection.Angle.L, c.angleLength);
        EXPECT_EQ(run.Connection.Angle.SectionName, "L100x100x10");
        EXPECT_EQ(run.Connection.Angle.Material.Fy, 2400);
        EXPECT_EQ(run.Connection.Angle.P, 8000);
        EXPECT_EQ(run.Connection.FreeDis, 2);
        EXPECT_NEAR(static_cast<double>(run.Connection.D), 0.8, 1e-12); // t = 1.0 against beam tf 1.07
        EXPECT_EQ(run.Connection.Fexx, 7000);
        EXPECT_EQ(run.Connection.Fee, 1);
        EXPECT_TRUE(run.Found);
    }
    // The window's remembered choices: the 7th rolled and the 5th double section.
    ConnectionJob defaults;
    defaults.Beam.Material = defaults.Column.Material = kSt37;
    EXPECT_THROW(RunConnection(defaults, *lib), Error); // the fixture tables are shorter than that
}
