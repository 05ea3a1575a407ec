#include "design/AxialStress.h"
#include "model/Errors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

using namespace orvex;
using ::testing::ElementsAreArray;

namespace {

struct UnitsGuard {
    TUnits saved = CurrentUnits;
    ~UnitsGuard() { CurrentUnits = saved; }
};

// St 37: Cc = 131.422
TElement Column(long double Kx, long double Ky, long double Lbx, long double Lby, long double rx,
                long double ry) {
    TElement e;
    e.SectionName = "TEST";
    e.Material = {"St 37", 2400, 3700, 2100000};
    e.Kx = Kx;
    e.Ky = Ky;
    e.Lbx = Lbx;
    e.Lby = Lby;
    e.rx = rx;
    e.ry = ry;
    return e;
}

const std::string kCcLine = "لاغري مرز بين كمانش ارتجاعي و غير ارتجاعي Cc = 2Pi^2.Es/Fy = 131.422";
const long double kCc = std::sqrt(19.739208802178717L * 2100000 / 2400);

struct AxialCase {
    const char* what;
    TElement element;
    long double Fa;
    std::vector<std::string> lines;
};

} // namespace

TEST(AxialStressTest, BothBranchesAndTheLimitingSlenderness) {
    const AxialCase cases[] = {
        {"inelastic, y governs",
         Column(1, 1, 50, 100, 1, 1),
         905.6057180852893789L,
         {"Kx = 1", "Ky = 1", "landaX = 50", "landaY = 100", "landa(max) = Max(landaX, landaY) = 100",
          kCcLine, "landa < Cc  ==>  100 < 131.422", "FS = 1.67 + 0.375*landa/Cc - 0.125(landa/Cc)^2 = 1.883",
          "Fa = [1-0.5*(landa/Cc)^2]*Fy/FS = 905.606"}},
        {"inelastic, x governs",
         Column(2, 1, 120, 100, 6, 5),
         1291.2628548982692760L,
         {"Kx = 2", "Ky = 1", "landaX = 40", "landaY = 20", "landa(max) = Max(landaX, landaY) = 40", kCcLine,
          "landa < Cc  ==>  40 < 131.422", "FS = 1.67 + 0.375*landa/Cc - 0.125(landa/Cc)^2 = 1.773",
          "Fa = [1-0.5*(landa/Cc)^2]*Fy/FS = 1291.263"}},
        {"elastic",
         Column(1, 0.5, 350, 700, 2, 2),
         353.0988903743770537L,
         {"Kx = 1", "Ky = 0.5", "landaX = 175", "landaY = 175", "landa(max) = Max(landaX, landaY) = 175",
          kCcLine, "landa > Cc  ==>  175 > 131.422", "Fa = (12/23)Pi^2.Es/landa^2 = 353.099"}},
        {"landa equal to Cc takes the elastic branch",
         Column(1, 1, 0, kCc, 1, 1),
         626.0869565217391380L,
         {"Kx = 1", "Ky = 1", "landaX = 0", "landaY = 131.422", "landa(max) = Max(landaX, landaY) = 131.422",
          kCcLine, "landa > Cc  ==>  131.422 > 131.422", "Fa = (12/23)Pi^2.Es/landa^2 = 626.087"}},
        {"K = 0 gives landa = 0", Column(0, 0, 350, 350, 5, 5), 2400 / 1.67L, {}},
    };
    for (const AxialCase& c : cases) {
        SCOPED_TRACE(c.what);
        CalcLog log;
        log.Add("before");
        const long double Fa = ColumnAllowableAxialStress(log, c.element);
        EXPECT_NEAR(static_cast<double>(Fa), static_cast<double>(c.Fa), 1e-9);
        EXPECT_EQ(log.Lines().front(), "before"); // appends, never clears
        if (!c.lines.empty()) {
            EXPECT_THAT(std::vector<std::string>(log.Lines().begin() + 1, log.Lines().end()),
                        ElementsAreArray(c.lines));
        }
    }
}

TEST(AxialStressTest, OnlyTheStressLineFollowsTheDisplayUnits) {
    UnitsGuard guard;
    CurrentUnits.LengthUnit = "m";
    CurrentUnits.ForceUnit = "Ton";
    CalcLog log;
    ColumnAllowableAxialStress(log, Column(1, 0.5, 350, 700, 2, 2));
    EXPECT_THAT(log.Lines(),
                ElementsAreArray<std::string>({"Kx = 1", "Ky = 0.5", "landaX = 175", "landaY = 175",
                                               "landa(max) = Max(landaX, landaY) = 175", kCcLine,
                                               "landa > Cc  ==>  175 > 131.422",
                                               "Fa = (12/23)Pi^2.Es/landa^2 = 3530.989"}));
}

TEST(AxialStressTest, ValuesThatWouldDivideByZeroRaiseArithmeticError) {
    struct Case {
        const char* what;
        TElement element;
        const char* message;
    };
    TElement noFy = Column(1, 1, 100, 100, 5, 2);
    noFy.Material.Fy = 0;
    TElement noE = Column(1, 1, 100, 100, 5, 2);
    noE.Material.E = 0;
    const Case cases[] = {
        {"rx = 0", Column(1, 1, 100, 100, 0, 2), "rx of section TEST is 0 and is used as a divisor"},
        {"ry missing from the table", Column(1, 1, 100, 100, 5, -1),
         "ry of section TEST is -1 (a missing or negative value cannot be used)"},
        {"Fy = 0", noFy, "Fy of material St 37 is 0 and is used as a divisor"},
        {"E = 0", noE, "E of material St 37 is 0 and is used as a divisor"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CalcLog log;
        try {
            ColumnAllowableAxialStress(log, c.element);
            ADD_FAILURE() << "no error";
        } catch (const ArithmeticError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}
