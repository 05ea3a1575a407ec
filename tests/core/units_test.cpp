#include "model/Errors.h"
#include "model/Units.h"

#include <gtest/gtest.h>

#include <limits>

using namespace orvex;

namespace {

struct UnitsGuard {
    TUnits saved = CurrentUnits;
    ~UnitsGuard() { CurrentUnits = saved; }
};

void SetUnits(const char* length, const char* force, int decimals, bool showZero) {
    CurrentUnits.LengthUnit = length;
    CurrentUnits.ForceUnit = force;
    CurrentUnits.Decimals = static_cast<std::uint8_t>(decimals);
    CurrentUnits.ShowZero = showZero;
}

struct FormatCase {
    const char* length;
    const char* force;
    int decimals;
    bool showZero;
    TQuantityKind kind;
    long double value;
    const char* expected;
};

const FormatCase kFormatCases[] = {
    // length in m, with and without trailing zeros
    {"m", "Kg", 3, false, qkLength, 350, "3.5"},
    {"m", "Kg", 3, true, qkLength, 350, "3.500"},
    // ties: to even without ShowZero, away from zero with it
    {"cm", "Kg", 0, false, qkLength, 2.5, "2"},
    {"cm", "Kg", 0, true, qkLength, 2.5, "3"},
    {"cm", "Kg", 0, false, qkLength, 3.5, "4"},
    {"cm", "Kg", 0, true, qkLength, -2.5, "-3"},
    {"cm", "Kg", 2, true, qkLength, 1.005, "1.01"},
    // moments
    {"m", "Ton", 3, false, qkMoment, 450000, "4.5"},
    {"mm", "N", 3, false, qkMoment, 450000, "44145000"},
    // stresses: 2400 kg/cm² in Ton/m² and N/cm² (noise of the product dropped)
    {"m", "Ton", 3, false, qkStress, 2400, "24000"},
    {"cm", "N", 3, false, qkStress, 2400, "23544"},
    {"cm", "Kg", 3, false, qkStress, 807.89946140035906, "807.899"},
    // areas, moduli, inertias in m
    {"m", "Kg", 5, false, qkArea, 53.8, "0.00538"},
    {"m", "Kg", 5, false, qkInertia, 8356, "8E-5"},
    {"m", "Kg", 5, false, qkInertia, 83560, "0.00084"},
    {"m", "Kg", 5, true, qkModulus, 557, "0.00056"},
    // ratios never change with the units
    {"mm", "Ton", 3, false, qkRatio, 0.51, "0.51"},
    // exponent form
    {"cm", "Kg", 5, false, qkLength, 0.00001, "1E-5"},
    {"cm", "Kg", 5, true, qkLength, 0.00001, "0.00001"},
    {"cm", "Kg", 5, false, qkLength, 0.0001, "0.0001"},
    {"cm", "Kg", 0, false, qkLength, 1e20, "1E20"},
    // zeros and signs
    {"cm", "Kg", 3, false, qkForce, 0, "0"},
    {"cm", "Kg", 3, true, qkForce, 0, "0.000"},
    {"cm", "Kg", 3, true, qkForce, -0.0001, "0.000"},
    {"cm", "Kg", 3, false, qkForce, -1234.5678, "-1234.568"},
    {"cm", "Kg", 0, true, qkForce, 999.5, "1000"},
    {"cm", "Kg", 5, false, qkRatio, 0.1 + 0.2, "0.3"},
};

} // namespace

TEST(UnitsTest, FormatQuantity) {
    UnitsGuard guard;
    for (const FormatCase& c : kFormatCases) {
        SCOPED_TRACE(::testing::Message() << c.length << " " << c.force << " n=" << c.decimals << " showZero="
                                          << c.showZero << " value=" << static_cast<double>(c.value));
        SetUnits(c.length, c.force, c.decimals, c.showZero);
        EXPECT_EQ(FormatQuantity(c.kind, c.value), c.expected);
    }
}

TEST(UnitsTest, ParseQuantityConvertsToInternalUnits) {
    UnitsGuard guard;
    SetUnits("m", "Ton", 3, false);
    EXPECT_DOUBLE_EQ(static_cast<double>(ParseQuantity("3.5", qkLength)), 350);
    EXPECT_DOUBLE_EQ(static_cast<double>(ParseQuantity(" 4.5 ", qkMoment)), 450000);
    EXPECT_DOUBLE_EQ(static_cast<double>(ParseQuantity("-2e1", qkRatio)), -20);
    SetUnits(" MM ", "n", 3, false);
    EXPECT_DOUBLE_EQ(static_cast<double>(ParseQuantity("300", qkLength)), 30);
    EXPECT_NEAR(static_cast<double>(ParseQuantity("9.81", qkForce)), 1.0, 1e-15);
}

TEST(UnitsTest, ParseQuantityRefusesWhatIsNotANumber) {
    UnitsGuard guard;
    for (const char* text : {"", " ", "abc", "1,5", "1.2.3", "1e", "inf", "nan", "0x10", "--1", "."}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(ParseQuantity(text, qkLength), ConversionError);
    }
    try {
        ParseQuantity("abc", qkLength);
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "\"abc\" is not a valid number");
    }
}

TEST(UnitsTest, FactorsUseTheirOwnTables) {
    UnitsGuard guard;
    SetUnits("m", "Ton", 3, false);
    EXPECT_EQ(ToDisplayFactor(qkStress), 0.001L / (0.01L * 0.01L));
    EXPECT_EQ(ToInternalFactor(qkForcePerLength), 1000.0L / 100.0L);
    SetUnits("cm", "N", 3, false);
    EXPECT_EQ(ToInternalFactor(qkForce), 0.10193679918450560652L);
    EXPECT_EQ(ToDisplay(qkRatio, 7), 7);
    SetUnits("km", "Kg", 3, false);
    EXPECT_THROW(ToDisplayFactor(qkLength), ConversionError);
}

TEST(UnitsTest, NonFiniteValuesAreNeverPrinted) {
    EXPECT_THROW(FormatQuantity(qkStress, 1.0L / 0.0L), ArithmeticError);
    // finite as extended but not as a double
    EXPECT_THROW(FormatQuantity(qkLength, 1e4000L), ArithmeticError);
    EXPECT_THROW(FormatGeneral(std::numeric_limits<double>::infinity()), ArithmeticError);
    EXPECT_THROW(FormatFixed(1.0L / 0.0L, 2), ArithmeticError);
}

TEST(UnitsTest, TypedNumbersMustFitADouble) {
    UnitsGuard guard;
    SetUnits("cm", "Kg", 3, false);
    for (const char* text : {"1e4000", "-1e309", "1e99999"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(ParseQuantity(text, qkLength), ConversionError);
    }
    SetUnits("m", "Ton", 3, false);
    EXPECT_THROW(ParseQuantity("1e306", qkMoment), ConversionError); // 1e311 kg·cm internally
    EXPECT_EQ(ParseQuantity("1e300", qkRatio), 1e300L);
}
