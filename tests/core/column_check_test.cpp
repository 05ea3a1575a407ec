#include "design/AxialStress.h"
#include "design/ColumnCheck.h"
#include "model/Errors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace orvex;
using ::testing::ElementsAreArray;

namespace {

const std::string kCompactnessHeading = "------------ كنترل فشردگي مقطع ستون ------------";
const std::string kAxialHeading = "------------  محاسبه تنش مجاز فشاري  -----------";
const std::string kBendingXHeading = "------- x محاسبه تنش مجاز خمشي حول محور  -------";
const std::string kBendingYHeading = "------- y محاسبه تنش مجاز خمشي حول محور  -------";
const std::string kInteractionHeading = "------------- كنترل تنش هاي ستون ------------";
const std::string kSlenderConclusion = "بنابراين مقطع داراي جزء لاغر بوده و قابل استفاده نمي باشد";
const std::string kStrongAxis = "خمش حول محور قوي";
const std::string kWeakAxis = "خمش حول محور ضعيف";

// Cm texts, x then y
const std::string kBracedX = "ستون داراي مهار بندي جانبي است x در جهت: Cmx = 0.85";
const std::string kBracedY = "ستون داراي مهار بندي جانبي است y در جهت: Cmy = 0.85";
const std::string kTransverseX = "ستون بدون مهاربندي جانبي بوده و بار جانبي  هم به ستون وارد مي شود x در جهت";
const std::string kTransverseY = "ستون بدون مهاربندي جانبي بوده و بار جانبي  هم به ستون وارد مي شود y در جهت";
const std::string kZeroEndMomentsX = "ستون داراي لنگر هاي دو انتهاي صفر مي باشد x در جهت";
const std::string kEndMomentsX = "ستون بدون مهاربندي جانبي بوده و بار جانبي به ستون وارد نمي شود x در جهت";
const std::string kEndMomentsY = "ستون بدون مهاربندي جانبي بوده و بار جانبي به ستون وارد نمي شود y در جهت";

const std::string kS1 = "fa/Fa + Cmx*fbx/[Fbx(1-fa/Fex)] + Cmy*fby/[Fby*(1-fa/Fey)] <= 1  ==>   ";
const std::string kS2 = "fa/(0.6*Fy) + fbx/Fbx + fby/Fby <=1  ==>   ";
const std::string kS = "fa/Fa + fbx/Fbx + fby/Fby <= 1   ==>   ";

// A compact rolled I section braced within Lc about x (Fbx = 0.66Fy = 1584, Fby = 0.75Fy = 1800)
// with Fa = 1267.741 for Lbx = Lby = 150, in St 37.
TElement Column() {
    TElement e;
    e.ProfileName = "IPE";
    e.SectionName = "COL";
    e.Kind = pkI;
    e.IsRolled = true;
    e.FlangeWebContinuous = true;
    e.Material = {"St 37", 2400, 3700, 2100000};
    e.d = 30;
    e.bf = 15;
    e.tf = 1.07L;
    e.tw = 0.71L;
    e.r = 1.5L;
    e.A = 53.8L;
    e.Sx = 557;
    e.Sy = 80.5L;
    e.rx = 12.5L;
    e.ry = 3.35L;
    e.b = 7.5L;
    e.h = 30;
    e.L = 300;
    e.Lbx = 150;
    e.Lby = 150;
    e.Kx = 1;
    e.Ky = 1;
    e.BracedX = true;
    e.BracedY = true;
    e.CmCaseX = 6;
    e.CmCaseY = 6;
    return e;
}

std::size_t IndexOf(const CalcLog& log, const std::string& line) {
    const auto& lines = log.Lines();
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

// The lines after the interaction heading.
std::vector<std::string> InteractionLines(const CalcLog& log) {
    const std::size_t at = IndexOf(log, kInteractionHeading);
    if (at >= log.Size())
        return {"(no interaction heading)"};
    return {log.Lines().begin() + static_cast<std::ptrdiff_t>(at) + 1, log.Lines().end()};
}

} // namespace

TEST(ColumnCheckTest, WritesStressesAndTheStepsInOrder) {
    TElement e = Column();
    e.P = 30000;
    e.Mx = 300000;
    e.My = 10000;
    CalcLog log;
    log.Add("stale");
    EXPECT_TRUE(CheckColumnStresses(log, e));

    const std::vector<std::string> head(log.Lines().begin(), log.Lines().begin() + 6);
    EXPECT_THAT(head, ElementsAreArray<std::string>({"fa  = P / A = 557.621", "fbx = Mx/Sx = 538.6",
                                                     "fby = My/Sy = 124.224", "", kCompactnessHeading, ""}));
    // each step under its heading, in order
    const std::size_t axial = IndexOf(log, kAxialHeading);
    const std::size_t x = IndexOf(log, kBendingXHeading);
    const std::size_t y = IndexOf(log, kBendingYHeading);
    const std::size_t interaction = IndexOf(log, kInteractionHeading);
    ASSERT_LT(interaction, log.Size());
    EXPECT_LT(6u, axial);
    EXPECT_LT(axial, x);
    EXPECT_LT(x, y);
    EXPECT_LT(y, interaction);
    EXPECT_EQ(log.Lines()[axial + 2], "Kx = 1");
    EXPECT_EQ(log.Lines()[x - 2], "Fa = [1-0.5*(landa/Cc)^2]*Fy/FS = 1267.741");
    EXPECT_EQ(log.Lines()[y - 2], "Fbx = 0.66*Fy = 1584");
    EXPECT_EQ(log.Lines()[interaction - 2], "Fby = 0.75*Fy = 1800");
    EXPECT_EQ(log.Lines()[interaction - 1], "");
    EXPECT_THAT(InteractionLines(log), ElementsAreArray<std::string>(
                                           {"", "fa/Fa > 0.15 ==> 0.44 > 0.15  :", "", kBracedX, "", kBracedY,
                                            "", kS1 + "0.838 <= 1     OK.", kS2 + "0.796 <= 1     OK."}));
}

TEST(ColumnCheckTest, InteractionBranches) {
    struct Case {
        const char* what;
        std::function<void(TElement&)> set;
        bool passes;
        std::vector<std::string> lines;
    };
    const auto unbracedCase1 = [](TElement& e) {
        e.BracedX = e.BracedY = false;
        e.TransverseLoadX = e.TransverseLoadY = true;
        e.CmCaseX = e.CmCaseY = 1;
    };
    const Case cases[] = {
        {"no axial force: small-axial branch without Cm",
         [](TElement& e) {
             e.Mx = 441144;
             e.My = 28980;
         },
         true,
         {"", "fa/Fa < 0.15 ==> 0 < 0.15  :", kS + "0.7 <= 1     OK."}},
        {"small-axial sum above 1",
         [](TElement& e) {
             e.P = 5000;
             e.Mx = 668400;
             e.My = 28980;
         },
         false,
         {"", "fa/Fa < 0.15 ==> 0.073 < 0.15  :", "*" + kS + "1.031 <= 1     NOT ok."}},
        {"small-axial sum exactly 1 passes",
         [](TElement& e) { e.My = 144900; },
         true,
         {"", "fa/Fa < 0.15 ==> 0 < 0.15  :", kS + "1 <= 1     OK."}},
        {"amplified: S1 fails while S2 passes",
         [&](TElement& e) {
             unbracedCase1(e);
             e.P = 30000;
             e.Mx = 500000;
         },
         false,
         {"", "fa/Fa > 0.15 ==> 0.44 > 0.15  :", "", kTransverseX, "Cmx = 1.0", "", kTransverseY, "Cmy = 1.0",
          "", "*" + kS1 + "1.024 <= 1     NOT ok.", kS2 + "0.954 <= 1     OK."}},
        {"amplified: both sums fail and both are written",
         [](TElement& e) {
             e.P = 60000;
             e.Mx = 450000;
             e.My = 20000;
         },
         false,
         {"", "fa/Fa > 0.15 ==> 0.88 > 0.15  :", "", kBracedX, "", kBracedY, "",
          "*" + kS1 + "2.019 <= 1     NOT ok.", "*" + kS2 + "1.423 <= 1     NOT ok."}},
        {"axial stress beyond both Euler stresses",
         [](TElement& e) {
             e.L = 2000;
             e.P = 60000;
             e.Mx = 100000;
         },
         false,
         {"", "fa/Fa > 0.15 ==> 0.88 > 0.15  :", "", kBracedX, "", kBracedY, "",
          "*fa < Fex  ==>  1115.242 < 422.408   NOT ok.", "*fa < Fey  ==>  1115.242 < 30.339   NOT ok.",
          kS2 + "0.888 <= 1     OK."}},
        {"axial stress beyond the Euler stress about y only",
         [](TElement& e) {
             e.L = 700;
             e.P = 21520;
             e.Mx = 100000;
         },
         false,
         {"", "fa/Fa > 0.15 ==> 0.316 > 0.15  :", "", kBracedX, "", kBracedY, "",
          "*fa < Fey  ==>  400 < 247.666   NOT ok.", kS2 + "0.391 <= 1     OK."}},
        {"unbraced end moments: 0.4 floor about x, single curvature about y",
         [](TElement& e) {
             e.BracedX = e.BracedY = false;
             e.P = 30000;
             e.Mx = 300000;
             e.My = 10000;
             e.M1x = 150000;
             e.M2x = 300000;
             e.CurvatureX = 1;
             e.M1y = 5000;
             e.M2y = 10000;
             e.CurvatureY = -1;
         },
         true,
         {"", "fa/Fa > 0.15 ==> 0.44 > 0.15  :", "", kEndMomentsX,
          "Cmx:=0.6-0.4*(M1/M2) >= 0.4  ==>  Cmx = 0.4", "", kEndMomentsY,
          "Cmy:=0.6-0.4*(M1/M2) >= 0.4  ==>  Cmy = 0.8", "", kS1 + "0.674 <= 1     OK.",
          kS2 + "0.796 <= 1     OK."}},
        {"transverse loads: case 2 about x, case 6 about y",
         [](TElement& e) {
             e.BracedX = e.BracedY = false;
             e.TransverseLoadX = e.TransverseLoadY = true;
             e.CmCaseX = 2;
             e.CmCaseY = 6;
             e.P = 30000;
             e.Mx = 300000;
             e.My = 10000;
         },
         true,
         {"", "fa/Fa > 0.15 ==> 0.44 > 0.15  :", "", kTransverseX, "Cmx = 1 - 0.3*fa/Fex = 0.991", "",
          kTransverseY, "Cmy = 1 - 0.6*fa/Fey = 0.752", "", kS1 + "0.876 <= 1     OK.",
          kS2 + "0.796 <= 1     OK."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TElement e = Column();
        c.set(e);
        CalcLog log;
        EXPECT_EQ(CheckColumnStresses(log, e), c.passes);
        EXPECT_EQ(ColumnStressesPass(e), c.passes);
        EXPECT_THAT(InteractionLines(log), ElementsAreArray(c.lines));
    }
}

// fa/Fa just under 0.15 takes the small-axial branch; 0.15 itself and above take the amplified one.
TEST(ColumnCheckTest, AxialRatioAtTheBranchLimit) {
    TElement e = Column();
    e.Mx = 100000;
    CalcLog scratch;
    const long double Fa = ColumnAllowableAxialStress(scratch, e);
    const auto ratio = [&](long double P) { return (P / e.A) / Fa; };
    long double atLimit = 0.15L * Fa * e.A;
    for (int i = 0; i < 1000 && ratio(atLimit) < 0.15L; ++i)
        atLimit = std::nextafter(atLimit, 1e9L);
    for (int i = 0; i < 1000 && ratio(atLimit) > 0.15L; ++i)
        atLimit = std::nextafter(atLimit, 0.0L);
    ASSERT_EQ(ratio(atLimit), 0.15L);
    long double under = atLimit;
    while (ratio(under) >= 0.15L)
        under = std::nextafter(under, 0.0L);

    struct Case {
        const char* what;
        long double P;
        std::string line;
    };
    const Case cases[] = {
        {"just under", under, "fa/Fa < 0.15 ==> 0.15 < 0.15  :"},
        {"at", atLimit, "fa/Fa > 0.15 ==> 0.15 > 0.15  :"},
        {"above", atLimit * 1.02L, "fa/Fa > 0.15 ==> 0.153 > 0.15  :"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        e.P = c.P;
        CalcLog log;
        EXPECT_TRUE(CheckColumnStresses(log, e));
        const std::vector<std::string> lines = InteractionLines(log);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[1], c.line);
    }
}

TEST(ColumnMomentFactorTest, RulesInOrder) {
    struct Case {
        const char* what;
        ColumnAxis axis;
        std::function<void(TElement&)> set;
        long double Cm;
        std::vector<std::string> lines;
    };
    // fa / F'e = 0.5 in every row
    const auto transverse = [](int cmCase) {
        return [cmCase](TElement& e) {
            e.TransverseLoadX = e.TransverseLoadY = true;
            e.CmCaseX = e.CmCaseY = cmCase;
        };
    };
    const auto endMoments = [](long double M1, long double M2, int curvature) {
        return [=](TElement& e) {
            e.M1x = e.M1y = M1;
            e.M2x = e.M2y = M2;
            e.CurvatureX = e.CurvatureY = static_cast<std::int8_t>(curvature);
        };
    };
    const Case cases[] = {
        {"braced wins over a transverse load",
         ColumnAxis::X,
         [](TElement& e) {
             e.BracedX = true;
             e.TransverseLoadX = true;
         },
         0.85L,
         {kBracedX}},
        {"braced about y", ColumnAxis::Y, [](TElement& e) { e.BracedY = true; }, 0.85L, {kBracedY}},
        {"transverse case 1", ColumnAxis::X, transverse(1), 1.0L, {kTransverseX, "Cmx = 1.0"}},
        {"transverse case 2",
         ColumnAxis::X,
         transverse(2),
         0.85L,
         {kTransverseX, "Cmx = 1 - 0.3*fa/Fex = 0.85"}},
        {"transverse case 3",
         ColumnAxis::X,
         transverse(3),
         0.8L,
         {kTransverseX, "Cmx = 1 - 0.4*fa/Fex = 0.8"}},
        {"transverse case 4",
         ColumnAxis::X,
         transverse(4),
         0.9L,
         {kTransverseX, "Cmx = 1 - 0.2*fa/Fex = 0.9"}},
        {"transverse case 5 is case 3",
         ColumnAxis::X,
         transverse(5),
         0.8L,
         {kTransverseX, "Cmx = 1 - 0.4*fa/Fex = 0.8"}},
        {"transverse case 6",
         ColumnAxis::X,
         transverse(6),
         0.7L,
         {kTransverseX, "Cmx = 1 - 0.6*fa/Fex = 0.7"}},
        {"transverse case 4 about y",
         ColumnAxis::Y,
         transverse(4),
         0.9L,
         {kTransverseY, "Cmy = 1 - 0.2*fa/Fey = 0.9"}},
        {"transverse case outside 1..6 keeps the stored factor",
         ColumnAxis::X,
         [&](TElement& e) {
             transverse(0)(e);
             e.Cmx = 0.77L;
         },
         0.77L,
         {kTransverseX}},
        {"zero larger end moment",
         ColumnAxis::X,
         endMoments(5000, 0, 1),
         1.0L,
         {kZeroEndMomentsX, "Cmx = 1"}},
        {"single curvature",
         ColumnAxis::X,
         endMoments(50, 100, -1),
         0.8L,
         {kEndMomentsX, "Cmx:=0.6-0.4*(M1/M2) >= 0.4  ==>  Cmx = 0.8"}},
        {"double curvature at the floor",
         ColumnAxis::X,
         endMoments(50, 100, 1),
         0.4L,
         {kEndMomentsX, "Cmx:=0.6-0.4*(M1/M2) >= 0.4  ==>  Cmx = 0.4"}},
        {"double curvature above the floor",
         ColumnAxis::X,
         endMoments(45, 100, 1),
         0.42L,
         {kEndMomentsX, "Cmx:=0.6-0.4*(M1/M2) >= 0.4  ==>  Cmx = 0.42"}},
        {"equal end moments in double curvature are raised to 0.4",
         ColumnAxis::X,
         endMoments(100, 100, 1),
         0.4L,
         {kEndMomentsX, "Cmx:=0.6-0.4*(M1/M2) >= 0.4  ==>  Cmx = 0.4"}},
        {"equal end moments in single curvature about y",
         ColumnAxis::Y,
         endMoments(100, 100, -1),
         1.0L,
         {kEndMomentsY, "Cmy:=0.6-0.4*(M1/M2) >= 0.4  ==>  Cmy = 1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TElement e;
        c.set(e);
        CalcLog log;
        EXPECT_NEAR(static_cast<double>(ColumnMomentFactor(log, e, c.axis, 500, 1000)),
                    static_cast<double>(c.Cm), 1e-15);
        EXPECT_THAT(log.Lines(), ElementsAreArray(c.lines));
    }
}

TEST(ColumnCheckTest, EarlyEnds) {
    // A slender section ends after the compactness conclusion.
    TElement slender = Column();
    slender.Kind = pkZ;
    CalcLog log;
    EXPECT_FALSE(CheckColumnStresses(log, slender));
    EXPECT_FALSE(ColumnStressesPass(slender));
    EXPECT_THAT(log.Lines(),
                ElementsAreArray<std::string>({"fa  = P / A = 0", "fbx = Mx/Sx = 0", "fby = My/Sy = 0", "",
                                               kCompactnessHeading, "", kSlenderConclusion}));

    // No allowable stress about x (slender web in bending, laterally unbraced): nothing about y.
    TElement thinWeb = Column();
    thinWeb.tw = 0.2L;
    thinWeb.Lbx = 250;
    EXPECT_FALSE(CheckColumnStresses(log, thinWeb));
    EXPECT_FALSE(ColumnStressesPass(thinWeb));
    EXPECT_LT(IndexOf(log, kBendingXHeading), log.Size());
    EXPECT_EQ(IndexOf(log, kBendingYHeading), log.Size());
    EXPECT_EQ(log.Lines().back().front(), '*');
}

TEST(ColumnCheckTest, AxisRolesFollowTheSectionModuli) {
    struct Case {
        const char* what;
        long double Sx, Sy;
        std::vector<std::string> axisLines; // the first line under each bending heading
    };
    const Case cases[] = {
        {"Sx > Sy: y is the weak axis", 557, 80.5L, {kStrongAxis, kWeakAxis}},
        {"Sx = Sy: both are strong", 200, 200, {kStrongAxis, kStrongAxis}},
        {"Sx < Sy: x is the weak axis", 80.5L, 557, {kWeakAxis, kStrongAxis}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TElement e = Column();
        e.Sx = c.Sx;
        e.Sy = c.Sy;
        CalcLog log;
        CheckColumnStresses(log, e);
        const std::size_t x = IndexOf(log, kBendingXHeading);
        const std::size_t y = IndexOf(log, kBendingYHeading);
        ASSERT_LT(y, log.Size());
        EXPECT_EQ(log.Lines()[x + 2], c.axisLines[0]);
        EXPECT_EQ(log.Lines()[y + 2], c.axisLines[1]);
    }
}

TEST(ColumnCheckTest, DoubleISectionIsCheckedLikeAnI) {
    TElement e = Column();
    e.Kind = pk2I;
    e.P = 30000;
    e.Mx = 300000;
    e.My = 10000;
    CalcLog log;
    EXPECT_TRUE(CheckColumnStresses(log, e));
    EXPECT_THAT(InteractionLines(log), ElementsAreArray<std::string>(
                                           {"", "fa/Fa > 0.15 ==> 0.44 > 0.15  :", "", kBracedX, "", kBracedY,
                                            "", kS1 + "0.838 <= 1     OK.", kS2 + "0.796 <= 1     OK."}));
}

TEST(ColumnCheckTest, ValuesThatWouldDivideByZeroRaiseArithmeticError) {
    struct Case {
        const char* what;
        std::function<void(TElement&)> damage;
        const char* message;
    };
    const auto amplified = [](TElement& e) { e.P = 30000; };
    const Case cases[] = {
        {"A = 0", [](TElement& e) { e.A = 0; }, "A of section COL is 0 and is used as a divisor"},
        {"Sy missing from the table", [](TElement& e) { e.Sy = -1; },
         "Sy of section COL is -1 (a missing or negative value cannot be used)"},
        {"rx = 0", [](TElement& e) { e.rx = 0; }, "rx of section COL is 0 and is used as a divisor"},
        {"E = 0", [](TElement& e) { e.Material.E = 0; }, "E of material St 37 is 0 and is used as a divisor"},
        {"negative Lbx", [](TElement& e) { e.Lbx = -1; },
         "the unbraced length Lbx is -1 (a missing or negative value cannot be used)"},
        {"L = 0 under a large axial force",
         [&](TElement& e) {
             amplified(e);
             e.L = 0;
         },
         "the column length L is 0 and is used as a divisor"},
        {"Ky = 0 under a large axial force",
         [&](TElement& e) {
             amplified(e);
             e.Ky = 0;
         },
         "the effective length factor Ky is 0 and is used as a divisor"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TElement e = Column();
        c.damage(e);
        CalcLog log;
        try {
            CheckColumnStresses(log, e);
            ADD_FAILURE() << "no error";
        } catch (const ArithmeticError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
    // ordinary data that merely looks like zero: no force, no moment about y, no member length
    // while the axial force is small, zero end moments
    TElement e = Column();
    e.L = 0;
    e.BracedX = false;
    CalcLog log;
    EXPECT_NO_THROW(CheckColumnStresses(log, e));
}

// A moment's sign tells only which face is compressed: a large negative moment must fail just as
// the positive one does, in both interaction branches.
TEST(ColumnCheckTest, NegativeMomentsCannotLowerTheInteraction) {
    for (const Extended P : {Extended{5000}, Extended{30000}}) {
        SCOPED_TRACE(static_cast<double>(P));
        TElement e = Column();
        e.P = P;
        e.Mx = 900000; // fbx = 1615.8 > Fbx
        CalcLog positive;
        CalcLog negative;
        EXPECT_FALSE(CheckColumnStresses(positive, e));
        e.Mx = -900000;
        EXPECT_FALSE(CheckColumnStresses(negative, e));
        EXPECT_EQ(InteractionLines(negative), InteractionLines(positive));
    }
}
