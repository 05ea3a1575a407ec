// The report of each run, item by item: caption, file name, and every item's kind, style and text.

#include "../report/ReportFixtures.h"
#include "model/Units.h"
#include "workflows/BeamReport.h"
#include "workflows/ColumnReport.h"
#include "workflows/ConnectionReport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace orvex;
using Outline = std::vector<std::string>;

namespace {

// One entry per item: "S P|text" for a line (text and paragraph style numbers), "rule",
// "table|<section name line>", "picture W x H P".
Outline Describe(const ReportDocument& document) {
    Outline out;
    for (const ReportItem& item : document.Items()) {
        if (const auto* line = std::get_if<ReportLine>(&item))
            out.push_back(std::to_string(static_cast<int>(line->Style)) + " " +
                          std::to_string(static_cast<int>(line->Para)) + "|" + line->Text);
        else if (std::holds_alternative<ReportRule>(item))
            out.push_back("rule");
        else if (const auto* table = std::get_if<ReportTable>(&item))
            out.push_back("table|" + std::get<ReportLine>(table->Cell(0, 0).Items.at(0)).Text);
        else if (const auto* picture = std::get_if<ReportPicture>(&item))
            out.push_back("picture " + std::to_string(picture->Width) + " x " +
                          std::to_string(picture->Height) + " " +
                          std::to_string(static_cast<int>(picture->Para)));
    }
    return out;
}

Outline operator+(Outline a, const Outline& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::string kUnits = "0 0|واحد به كار رفته شده UNITS = Kg.cm";
const std::string kNoResult = "3 1|.طراحي هيچ نتيجه اي در بر نداشت";
const Outline kMaterial = {"0 0|جنس مقطع = St 37", "0 0|تنش جاري شدن    Fy = 2400",
                           "0 0|تنش تسليم       Fu = 3700", "0 0|مادول الاستيسيته E  = 2100000", "0 0|"};

Outline Opening(const std::string& title) {
    return {"1 1|" + title, "rule", kUnits, "rule"};
}

// The block of the fabricated log under `title`, its heading being `heading`.
Outline LogBlock(const std::string& title, const std::string& heading) {
    return {"rule",
            "2 1|" + title,
            "rule",
            "4 0|" + heading,
            "0 0|fbx = Mx/Sx = 807.899",
            "0 0|",
            "5 0|fv < Fv  ==>  1200 < 960   NOT ok.",
            "5 0|" +
                FillPattern(std::string("*Lb <= Lc  ==>  %s <= %s   NOT ok.  بدون اتكاي جانبي است").substr(1),
                            {"240", "180.5"}),
            "0 0|fbx < Fbx  ==>  807.899 < 1584   OK."};
}

const Outline kBeamInputs = {"0 0|طول تير           L  = 350",     "0 0|طول مهار شده تير  Lb = 150",
                             "0 0|لنگر خمشي ماكزيمم  Mx = 450000", "0 0|لنگر خمشي ماكزيمم  My = 12000",
                             "0 0|لنگر برشي ماكزيمم Vx = 6000",    "0 0|لنگر برشي ماكزيمم Vy = 0"};
const Outline kColumnInputs = {"0 0|طول ستون L = 350", "0 0|نيروي محوري ماكزيمم P = 60000",
                               "0 0|لنگر خمشي ماكزيمم  Mx= 450000", "0 0|لنگر خمشي ماكزيمم  My= 2500"};

Outline BeamFound(const std::string& title) {
    return Opening(title) + Outline{"table|IPE300"} + kMaterial + kBeamInputs +
           LogBlock("كنترل خمش", fixtures::kPersianHeading) +
           LogBlock("كنترل برش", "------------- shear ------------") + Outline{"rule"};
}

Outline ColumnFound(const std::string& title) {
    return Opening(title) + Outline{"table|IPE300"} + kMaterial + kColumnInputs +
           LogBlock("كنترل  تنشهاي ستون", "------------- column ------------") + Outline{"rule"};
}

Outline ConnectionFound(const std::string& title) {
    return Opening(title) +
           Outline{"table|L100x100x10 , L = 260 mm",
                   "0 0|نيروي محوري ماكزيمم P = 8000",
                   "rule",
                   "0 0|بعد جوش  D = 8 mm",
                   "0 0|طول نبشي L = 26 cm",
                   "0 0|",
                   "picture 64 x 64 0",
                   "0 0|"} +
           LogBlock("كنترل تنشهاي اتصال ", "------------- seat ------------") + Outline{"rule"};
}

struct ReportCase {
    const char* name;
    std::function<ReportInfo()> build;
    const char* caption;
    const char* fileName;
    Outline expected;
};

TEST(WorkflowReports, EveryWorkflowInEveryMode) {
    using namespace fixtures;
    const TPicture detail = SectionPicture(); // stands in for the drawn detail
    const ReportCase cases[] = {
        {"beam analysis", [] { return BuildBeamReport(BeamRun(rmAnalysis, true)); }, "خروجي آناليز تير",
         "Orvexlund v1.0- Analysis Beam Report", BeamFound("آناليز تير")},
        {"beam design", [] { return BuildBeamReport(BeamRun(rmDesign, true)); }, "خروجي طراحي تير",
         "Orvexlund v1.0- Design Beam Report", BeamFound("طراحي تير")},
        {"beam design without result", [] { return BuildBeamReport(BeamRun(rmDesign, false)); },
         "خروجي طراحي تير", "Orvexlund v1.0- Design Beam Report",
         Opening("طراحي تير") + Outline{kNoResult, "rule"} + kBeamInputs},
        {"column analysis", [] { return BuildColumnReport(ColumnRun(rmAnalysis, true)); },
         "خروجي آناليز ستون", "Orvexlund v1.0- Analysis Column Report", ColumnFound("آناليز ستون")},
        {"column design", [] { return BuildColumnReport(ColumnRun(rmDesign, true)); }, "خروجي طراحي ستون",
         "Orvexlund v1.0- Design Column Report", ColumnFound("طراحي ستون")},
        {"column design without result", [] { return BuildColumnReport(ColumnRun(rmDesign, false)); },
         "خروجي طراحي ستون", "Orvexlund v1.0- Design Column Report",
         Opening("طراحي ستون") + Outline{kNoResult, "rule"} + kColumnInputs + Outline{"rule"}},
        {"connection analysis",
         [&] { return BuildConnectionReport(ConnectionRun(rmAnalysis, true), detail); },
         "خروجي آناليز اتصال ساده با نبشي نشيمن", "Orvexlund v1.0- Analysis Simple Connection Report",
         ConnectionFound("آناليز اتصال ساده با نبشي نشيمن ")},
        {"connection design", [&] { return BuildConnectionReport(ConnectionRun(rmDesign, true), detail); },
         "خروجي طراحي ", "Orvexlund v1.0- Design Simple Connection Report",
         ConnectionFound("طراحي اتصال ساده با نبشي نشيمن")},
        {"connection design without result",
         [&] { return BuildConnectionReport(ConnectionRun(rmDesign, false), detail); }, "خروجي طراحي ",
         "Orvexlund v1.0- Design Simple Connection Report",
         Opening("طراحي اتصال ساده با نبشي نشيمن") + Outline{kNoResult, "rule", "rule"}},
    };
    for (const ReportCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ReportInfo report = c.build();
        EXPECT_EQ(report.Caption, c.caption);
        EXPECT_EQ(report.FileName, c.fileName);
        EXPECT_EQ(Describe(report.Document), c.expected);
    }
}

struct UnitsGuard {
    TUnits saved = CurrentUnits;
    ~UnitsGuard() { CurrentUnits = saved; }
};

TEST(WorkflowReports, InputsFollowTheDisplayUnitsButWeldAndAngleLengthDoNot) {
    UnitsGuard guard;
    CurrentUnits.LengthUnit = "m";
    CurrentUnits.ForceUnit = "Ton";
    const Outline beam = Describe(BuildBeamReport(fixtures::BeamRun(rmDesign, false)).Document);
    EXPECT_EQ(beam[2], "0 0|واحد به كار رفته شده UNITS = Ton.m");
    EXPECT_EQ(Outline(beam.end() - 6, beam.end()),
              (Outline{"0 0|طول تير           L  = 3.5", "0 0|طول مهار شده تير  Lb = 1.5",
                       "0 0|لنگر خمشي ماكزيمم  Mx = 4.5", "0 0|لنگر خمشي ماكزيمم  My = 0.12",
                       "0 0|لنگر برشي ماكزيمم Vx = 6", "0 0|لنگر برشي ماكزيمم Vy = 0"}));

    const Outline connection =
        Describe(BuildConnectionReport(fixtures::ConnectionRun(rmAnalysis, true), nullptr).Document);
    EXPECT_EQ(connection[4], "table|L100x100x10 , L = 260 mm");
    EXPECT_EQ(connection[5], "0 0|نيروي محوري ماكزيمم P = 8");
    EXPECT_EQ(connection[7], "0 0|بعد جوش  D = 8 mm");
    EXPECT_EQ(connection[8], "0 0|طول نبشي L = 26 cm");
    EXPECT_EQ(connection[10], "picture 0 x 0 0"); // no detail picture given
}

} // namespace
