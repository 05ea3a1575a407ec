#include "design/SeatAngle.h"
#include "model/Errors.h"
#include "section_table_fixture.h"
#include "workflows/SeatAngleDesign.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace orvex;
using namespace orvex::testing;
using ::testing::ElementsAreArray;

namespace {

const std::string kYieldingHeading = "---- كنترل لهيدگي و تسليم موضعي جان تير ----";
const std::string kShearHeading = "---------- كنترل تنش برشي در نبشي ----------";
const std::string kWeldHeading = "-------- كنترل تنش هاي وارده به جوش -------";

// A beam of d = 30 on an angle 100x100x10, 26 cm long, with a clearance of 2 and an E60 weld.
TConnectionSimple WorkedConnection() {
    TConnectionSimple c;
    c.Beam.SectionName = "BEAM";
    c.Beam.Kind = pkI;
    c.Beam.d = 30;
    c.Beam.tf = 1.07L;
    c.Beam.tw = 0.71L;
    c.Beam.r = 1.5L;
    c.Beam.Material = {"St 37", 2400, 3700, 2100000};
    c.Angle.SectionName = "ANGLE";
    c.Angle.ProfileName = "L";
    c.Angle.Kind = pkL;
    c.Angle.d = 10;
    c.Angle.bf = 10;
    c.Angle.tf = 1;
    c.Angle.L = 26;
    c.Angle.P = 8000;
    c.Angle.Material.Fy = 2400;
    c.FreeDis = 2;
    c.Fee = 0.75L;
    c.Fexx = 4200;
    c.D = 0.8L;
    return c;
}

std::vector<std::string> WorkedLog(const std::string& Pmax) {
    return {"",
            kYieldingHeading,
            "",
            "k = tf + r = 2.57",
            "N = bf - FreeDis = 8",
            "Nreq = P/(0.66Fy) - 2.5k  >  k  ==>  Nreq = 2.57",
            "",
            "Nreq < N  ==>  2.57 < 8   OK.",
            "",
            "Pmax = 285*tw^2 * [1+3(N/d)*(tw/tf)^1.5] * Sqrt(Fyw.tf/tw) = " + Pmax,
            "",
            "P < Pmax  ==>  8000 < " + Pmax + "   OK.",
            "",
            kShearHeading,
            "",
            "fv = P/(L*t) = 307.692",
            "Fv = 0.4Fy = 960",
            "fv < Fv  ==>  307.692 < 960   OK.",
            "",
            kWeldHeading,
            "",
            "Rw = Fee*(0.3*Fu)*0.707*D = 534.492",
            "fr = P/(2*d^2)*Sqrt(d^2+20.25*ef^2) = 713.888",
            "*fr < Rw  ==>  713.888 < 534.492   NOT ok."};
}

} // namespace

TEST(SeatAngleCheckTest, WorkedConnectionFailsOnlyInTheWeld) {
    CalcLog log;
    log.Add("stale");
    EXPECT_FALSE(CheckSeatAngleConnection(log, WorkedConnection()));
    EXPECT_FALSE(SeatAngleConnectionPasses(WorkedConnection()));
    EXPECT_THAT(log.Lines(), ElementsAreArray(WorkedLog("12376.535")));
}

TEST(SeatAngleCheckTest, DoubleIBeamDoublesTheWebInCripplingOnly) {
    TConnectionSimple c = WorkedConnection();
    c.Beam.Kind = pk2I;
    CalcLog log;
    EXPECT_FALSE(CheckSeatAngleConnection(log, c));
    EXPECT_THAT(log.Lines(), ElementsAreArray(WorkedLog("54328.231")));
    // the design's starting length keeps the single web
    EXPECT_NEAR(static_cast<double>(SeatAngleStartingLength(c)), 3.6897809076682316, 1e-12);
}

// Each limit compared with a value exactly at it.
TEST(SeatAngleCheckTest, LimitsAtEquality) {
    struct Case {
        const char* what;
        TConnectionSimple connection;
        bool passes;
        std::string line;
    };
    // N = bf - FreeDis equal to Nreq = k
    TConnectionSimple bearing = WorkedConnection();
    bearing.FreeDis = 0;
    bearing.Angle.bf = bearing.Beam.tf + bearing.Beam.r;
    // Pmax = 285 * 1 * (1 + 3 * 1 * 1) * Sqrt(2500) = 57000
    TConnectionSimple crippling = WorkedConnection();
    crippling.Beam.tw = 1;
    crippling.Beam.tf = 1;
    crippling.Beam.d = 10;
    crippling.Beam.Material.Fy = 2500;
    crippling.Angle.bf = 12;
    crippling.Angle.P = 57000;
    // L * t = 1, so fv = P = Fv
    TConnectionSimple shear = WorkedConnection();
    shear.Angle.L = 2;
    shear.Angle.tf = 0.5L;
    shear.Angle.P = 0.4L * shear.Angle.Material.Fy;
    // no reaction and no weld strength: fr = Rw = 0
    TConnectionSimple weld = WorkedConnection();
    weld.Angle.P = 0;
    weld.Fexx = 0;
    const Case cases[] = {
        {"Nreq = N fails", bearing, false, "*Nreq < N  ==>  2.57 < 2.57   NOT ok."},
        {"P = Pmax fails", crippling, false, "*P < Pmax  ==>  57000 < 57000   NOT ok."},
        {"fv = Fv passes", shear, true, "fv < Fv  ==>  960 < 960   OK."},
        {"Rw = fr passes", weld, true, "fr < Rw  ==>  0 < 0   OK."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CalcLog log;
        EXPECT_EQ(CheckSeatAngleConnection(log, c.connection), c.passes);
        EXPECT_EQ(SeatAngleConnectionPasses(c.connection), c.passes);
        EXPECT_THAT(log.Lines(), ::testing::Contains(c.line));
        // every step is written whatever fails
        EXPECT_EQ(log.Size(), 24u);
    }
}

TEST(SeatAngleCheckTest, ValuesThatWouldDivideByZeroRaiseArithmeticError) {
    struct Case {
        const char* what;
        void (*damage)(TConnectionSimple&);
        const char* message;
    };
    const Case cases[] = {
        {"angle length 0", [](TConnectionSimple& c) { c.Angle.L = 0; },
         "the seat angle length L is 0 and is used as a divisor"},
        {"angle tf missing from its table", [](TConnectionSimple& c) { c.Angle.tf = -1; },
         "tf of section ANGLE is -1 (a missing or negative value cannot be used)"},
        {"angle leg d = 0", [](TConnectionSimple& c) { c.Angle.d = 0; },
         "d of section ANGLE is 0 and is used as a divisor"},
        {"beam web 0", [](TConnectionSimple& c) { c.Beam.tw = 0; },
         "tw of section BEAM is 0 and is used as a divisor"},
        {"beam depth 0", [](TConnectionSimple& c) { c.Beam.d = 0; },
         "d of section BEAM is 0 and is used as a divisor"},
        {"beam Fy 0", [](TConnectionSimple& c) { c.Beam.Material.Fy = 0; },
         "Fy of material St 37 is 0 and is used as a divisor"},
        {"negative clearance", [](TConnectionSimple& c) { c.FreeDis = -1; },
         "the erection clearance FreeDis is -1 (a missing or negative value cannot be used)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TConnectionSimple connection = WorkedConnection();
        c.damage(connection);
        CalcLog log;
        try {
            CheckSeatAngleConnection(log, connection);
            ADD_FAILURE() << "no error";
        } catch (const ArithmeticError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    // zero clearance and zero fillet radius are ordinary data
    TConnectionSimple connection = WorkedConnection();
    connection.FreeDis = 0;
    connection.Beam.r = 0;
    CalcLog log;
    EXPECT_NO_THROW(CheckSeatAngleConnection(log, connection));
}

TEST(SeatAngleCheckTest, MaxFilletWeldSize) {
    struct Case {
        long double t1, t2, size, rounded;
    };
    const Case cases[] = {
        {0.5L, 1.2L, 0.5L, 0.5},   // thin plate: its own thickness
        {0.6L, 0.9L, 0.6L, 0.6},   // 0.6 itself is still thin
        {1.0L, 1.07L, 0.8L, 0.8},  // thicker: 2 mm less
        {0.63L, 0.9L, 0.43L, 0.4}, // rounded to 0.1 cm
        {1.2L, 1.2L, 1.0L, 1.0},   // equal plates
        {1.07L, 1.0L, 0.8L, 0.8},  // order does not matter
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<double>(c.t1) << ", " << static_cast<double>(c.t2));
        EXPECT_NEAR(static_cast<double>(MaxFilletWeldSize(c.t1, c.t2)), static_cast<double>(c.size), 1e-15);
        TConnectionSimple connection;
        connection.Angle.tf = c.t1;
        connection.Beam.tf = c.t2;
        EXPECT_NEAR(SeatAngleWeldSize(connection), static_cast<double>(c.rounded), 1e-15);
    }
}

namespace {

// Angles in stored order; with the worked beam and reaction the search starts at bf >= 5.690.
std::vector<FixtureRow> AngleRows() {
    return {
        {"L50x50x5", {{"d", 5}, {"bf", 5}, {"tf", 0.5}, {"tw", 0.5}, {"r", 0.7}}},
        {"L60x60x6", {{"d", 6}, {"bf", 6}, {"tf", 0.6}, {"tw", 0.6}, {"r", 0.8}}},
        {"L100x100x10", {{"d", 10}, {"bf", 10}, {"tf", 1.0}, {"tw", 1.0}, {"r", 1.2}}},
        {"L150x150x12", {{"d", 15}, {"bf", 15}, {"tf", 1.2}, {"tw", 1.2}, {"r", 1.6}}},
        {"L200x200x20", {{"d", 20}, {"bf", 20}, {"tf", 2.0}, {"tw", 2.0}, {"r", 1.8}}},
    };
}

} // namespace

TEST(SeatAngleDesignTest, FirstPassingAngleFromTheStartingLength) {
    struct Case {
        const char* what;
        std::vector<FixtureRow> rows;
        std::vector<std::string> columns;
        long double P;
        bool found;
        std::string angle; // the angle the connection holds afterwards
        double D;
        std::string table = "L"; // the connection asks for "L"
    };
    std::vector<FixtureRow> noPassing = AngleRows();
    noPassing.resize(3);
    const Case cases[] = {
        {"starts past the short leg and stops at the first pass",
         AngleRows(),
         {},
         8000,
         true,
         "L150x150x12",
         0.9},
        {"no angle passes: the last one tried is kept", noPassing, {}, 8000, false, "L100x100x10", 0.8},
        {"no leg long enough: nothing tried", AngleRows(), {}, 80000, false, "ANGLE", 0.123},
        {"no bf column: nothing tried", AngleRows(), {"d", "tf", "tw", "r"}, 8000, false, "ANGLE", 0.123},
        {"empty table: nothing tried", {}, {}, 8000, false, "ANGLE", 0.123},
        {"no table of that name: nothing tried", AngleRows(), {}, 8000, false, "ANGLE", 0.123, "L2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto lib = MakeLibrary(
            {MakeTable("U", pkU, {{"UPE100", {{"bf", 50}}}}), MakeTable(c.table, pkL, c.rows, c.columns)});
        TConnectionSimple connection = WorkedConnection();
        connection.Angle.P = c.P;
        connection.Fee = 0.85L;
        connection.D = 0.123L;
        CalcLog log;
        log.Add("stale");
        EXPECT_EQ(DesignSeatAngleConnection(log, connection, *lib), c.found);
        EXPECT_EQ(connection.Angle.SectionName, c.angle);
        EXPECT_NEAR(static_cast<double>(connection.D), c.D, 1e-15);
        // the angle keeps what the window set
        EXPECT_EQ(connection.Angle.L, 26);
        EXPECT_EQ(connection.Angle.P, c.P);
        EXPECT_EQ(connection.Angle.ProfileName, "L");
        if (c.found) {
            EXPECT_EQ(log.Lines().back(), "fr < Rw  ==>  374.399 < 681.477   OK.");
        } else if (c.angle != "ANGLE") {
            // the log holds the check of the last angle tried
            EXPECT_EQ(log.Lines().back(), "*fr < Rw  ==>  713.888 < 605.758   NOT ok.");
        } else {
            EXPECT_TRUE(log.Empty());
        }
    }
}

TEST(SeatAngleDesignTest, AngleRowMissingAColumnEndsTheRun) {
    auto lib = MakeLibrary({MakeTable("L", pkL, AngleRows(), {"d", "bf", "tw", "r"})});
    TConnectionSimple connection = WorkedConnection();
    CalcLog log;
    try {
        DesignSeatAngleConnection(log, connection, *lib);
        ADD_FAILURE() << "no error";
    } catch (const ArithmeticError& e) {
        EXPECT_STREQ(e.what(), "tf of section L60x60x6 is -1 (a missing or negative value cannot be used)");
    }
}
