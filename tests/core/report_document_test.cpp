// The section header and the log blocks of the report document.

#include "../report/ReportFixtures.h"
#include "model/Errors.h"
#include "model/Units.h"
#include "report/ReportDocument.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

using namespace orvex;
using Lines = std::vector<std::string>;

namespace {

struct UnitsGuard {
    TUnits saved = CurrentUnits;
    ~UnitsGuard() { CurrentUnits = saved; }
};

Lines CellTexts(const ReportCell& cell) {
    Lines out;
    for (const ReportCellItem& item : cell.Items)
        if (const auto* line = std::get_if<ReportLine>(&item)) {
            EXPECT_EQ(line->Style, TextStyle::NormalText) << line->Text;
            EXPECT_EQ(line->Para, ParaStyle::Left) << line->Text;
            out.push_back(line->Text);
        }
    return out;
}

// "S P|text" for each top-level line, "rule" for a rule, "table" for a table.
Lines Describe(const ReportDocument& document) {
    Lines out;
    for (const ReportItem& item : document.Items()) {
        if (const auto* line = std::get_if<ReportLine>(&item))
            out.push_back(std::to_string(static_cast<int>(line->Style)) + " " +
                          std::to_string(static_cast<int>(line->Para)) + "|" + line->Text);
        else if (std::holds_alternative<ReportRule>(item))
            out.push_back("rule");
        else if (std::holds_alternative<ReportTable>(item))
            out.push_back("table");
        else
            out.push_back("picture");
    }
    return out;
}

struct HeaderCase {
    const char* length;
    const char* force;
    int decimals;
    Lines dimensions;
    Lines properties;
    Lines material;
};

TEST(SectionHeader, NumbersFollowTheDisplayUnits) {
    const HeaderCase cases[] = {
        {"cm",
         "Kg",
         3,
         {"d = 30", "bf= 15", "tw= 0.71", "tf= 1.07", "r = 1.5", "b = 7.5", "h = 27.86"},
         {"A = 53.8", "Ix= 8356", "Sx= 557", "rx= 12.5", "Iy= 604", "Sy= 80.5", "ry= 3.35"},
         {"2400", "3700", "2100000"}},
        // m²,  m⁴, m³ and Ton/m²
        {"m",
         "Ton",
         5,
         {"d = 0.3", "bf= 0.15", "tw= 0.0071", "tf= 0.0107", "r = 0.015", "b = 0.075", "h = 0.2786"},
         {"A = 0.00538", "Ix= 8E-5", "Sx= 0.00056", "rx= 0.125", "Iy= 1E-5", "Sy= 8E-5", "ry= 0.0335"},
         {"24000", "37000", "21000000"}},
        {"mm",
         "N",
         1,
         {"d = 300", "bf= 150", "tw= 7.1", "tf= 10.7", "r = 15", "b = 75", "h = 278.6"},
         {"A = 5380", "Ix= 83560000", "Sx= 557000", "rx= 125", "Iy= 6040000", "Sy= 80500", "ry= 33.5"},
         {"235.4", "363", "206010"}},
    };
    for (const HeaderCase& c : cases) {
        SCOPED_TRACE(std::string(c.force) + "." + c.length);
        UnitsGuard guard;
        CurrentUnits.LengthUnit = c.length;
        CurrentUnits.ForceUnit = c.force;
        CurrentUnits.Decimals = static_cast<std::uint8_t>(c.decimals);

        ReportDocument document;
        document.AddSectionHeader(fixtures::IpeSection(), false, true);
        EXPECT_EQ(Describe(document),
                  (Lines{"table", "0 0|جنس مقطع = St 37", "0 0|تنش جاري شدن    Fy = " + c.material[0],
                         "0 0|تنش تسليم       Fu = " + c.material[1],
                         "0 0|مادول الاستيسيته E  = " + c.material[2], "0 0|"}));
        const auto& table = std::get<ReportTable>(document.Items()[0]);
        ASSERT_EQ(table.Rows, 1);
        ASSERT_EQ(table.Columns, 3);
        EXPECT_EQ(table.BorderWidth, 1);
        EXPECT_EQ(table.CellBorderWidth, 1);
        EXPECT_EQ(CellTexts(table.Cell(0, 1)), c.dimensions);
        EXPECT_EQ(CellTexts(table.Cell(0, 2)), c.properties);
    }
}

TEST(SectionHeader, FirstCellHoldsTheNameWithTheLengthInMillimetresAndThePicture) {
    UnitsGuard guard;
    CurrentUnits.LengthUnit = "m"; // the length is in mm whatever the display units
    struct Case {
        bool withLength;
        Extended length;
        const char* name;
    };
    const Case cases[] = {
        {true, 150, "IPE300 , L = 1500 mm"},
        {true, 0.35, "IPE300 , L = 3.5 mm"},
        {false, 150, "IPE300"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TElement section = fixtures::IpeSection();
        section.L = c.length;
        ReportDocument document;
        document.AddSectionHeader(section, c.withLength, false);
        ASSERT_EQ(Describe(document), Lines{"table"}); // no material lines
        const ReportCell& cell = std::get<ReportTable>(document.Items()[0]).Cell(0, 0);
        ASSERT_EQ(cell.Items.size(), 2u);
        const auto& title = std::get<ReportLine>(cell.Items[0]);
        EXPECT_EQ(title.Text, c.name);
        EXPECT_EQ(title.Style, TextStyle::MajorHeading);
        EXPECT_EQ(title.Para, ParaStyle::Centered);
        const auto& picture = std::get<ReportPicture>(cell.Items[1]);
        EXPECT_EQ(picture.Width, 64);
        EXPECT_EQ(picture.Height, 64);
        EXPECT_EQ(picture.Para, ParaStyle::Centered);
    }
}

TEST(SectionHeader, MissingOrDamagedPictureTakesNoRoom) {
    const auto whole = fixtures::SectionPicture();
    const TPicture cases[] = {
        nullptr,
        std::make_shared<const std::vector<std::uint8_t>>(),
        std::make_shared<const std::vector<std::uint8_t>>(whole->begin(), whole->begin() + 20),
    };
    for (const TPicture& bitmap : cases) {
        TElement section = fixtures::IpeSection();
        section.Picture = bitmap;
        ReportDocument document;
        document.AddSectionHeader(section, false, false);
        const auto& picture =
            std::get<ReportPicture>(std::get<ReportTable>(document.Items()[0]).Cell(0, 0).Items[1]);
        EXPECT_EQ(picture.Width, 0);
        EXPECT_EQ(picture.Height, 0);
    }
}

TEST(SectionHeader, ValueThatCannotBePrintedLeavesTheDocumentAsItWas) {
    const Extended infinity = std::numeric_limits<Extended>::infinity();
    const std::function<void(TElement&)> spoil[] = {
        [&](TElement& e) { e.Ix = infinity; },
        [&](TElement& e) { e.Material.E = infinity; },
        [&](TElement& e) { e.L = std::numeric_limits<Extended>::quiet_NaN(); },
    };
    for (const auto& change : spoil) {
        TElement section = fixtures::IpeSection();
        change(section);
        ReportDocument document;
        document.AddRule();
        EXPECT_THROW(document.AddSectionHeader(section, true, true), ArithmeticError);
        EXPECT_EQ(Describe(document), Lines{"rule"});
    }
}

TEST(LogBlock, EachLineStyledByItsFirstCharacter) {
    CalcLog log;
    for (const char* line : {"------------- x ------------", "*fv < Fv  ==>  1 < 2   NOT ok.", "*", "",
                             "plain", " -not a heading", "-", "fa/Fa = 0.3 *"})
        log.Add(line);
    ReportDocument document;
    document.AddLogBlock(log, "title");
    EXPECT_EQ(Describe(document), (Lines{"rule", "2 1|title", "rule", "4 0|------------- x ------------",
                                         "5 0|fv < Fv  ==>  1 < 2   NOT ok.", "5 0|", "0 0|", "0 0|plain",
                                         "0 0| -not a heading", "4 0|-", "0 0|fa/Fa = 0.3 *"}));
}

TEST(LogBlock, EmptyLogGivesTheTitleBetweenTwoRules) {
    ReportDocument document;
    document.AddLogBlock(CalcLog(), "كنترل خمش");
    EXPECT_EQ(Describe(document), (Lines{"rule", "2 1|كنترل خمش", "rule"}));
}

} // namespace
