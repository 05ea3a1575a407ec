#include "workflows/ConnectionReport.h"

#include "model/Units.h"

namespace orvex {

namespace {

const ReportTexts kAnalysis = {"خروجي آناليز اتصال ساده با نبشي نشيمن",
                               "Orvexlund v1.0- Analysis Simple Connection Report",
                               "آناليز اتصال ساده با نبشي نشيمن "};
const ReportTexts kDesign = {"خروجي طراحي ", "Orvexlund v1.0- Design Simple Connection Report",
                             "طراحي اتصال ساده با نبشي نشيمن"};
const char* const kReaction = "نيروي محوري ماكزيمم P = ";
const char* const kWeldSize = "بعد جوش  D = ";
const char* const kAngleLength = "طول نبشي L = ";

} // namespace

ReportInfo BuildConnectionReport(const ConnectionRunResult& run, const TPicture& detail) {
    ReportInfo report = StartReport(run.Mode == rmAnalysis ? kAnalysis : kDesign);
    ReportDocument& document = report.Document;
    const TConnectionSimple& connection = run.Connection;

    if (run.Found) {
        document.AddSectionHeader(connection.Angle, true, false);
        document.AddLine(kReaction + FormatQuantity(qkForce, connection.Angle.P), TextStyle::NormalText,
                         ParaStyle::Left);
        document.AddRule();
        // Weld size and angle length are always printed in mm and cm, whatever the display units.
        document.AddLine(kWeldSize + GeneralNumber(connection.D * 10) + " mm", TextStyle::NormalText,
                         ParaStyle::Left);
        document.AddLine(kAngleLength + GeneralNumber(connection.Angle.L) + " cm", TextStyle::NormalText,
                         ParaStyle::Left);
        document.AddLine("", TextStyle::NormalText, ParaStyle::Left);
        document.AddPicture(detail, ParaStyle::Left);
        document.AddLine("", TextStyle::NormalText, ParaStyle::Left);
        document.AddLogBlock(run.Log, kConnectionLogTitle);
    } else {
        AddNoResult(document);
    }
    document.AddRule();
    return report;
}

} // namespace orvex
