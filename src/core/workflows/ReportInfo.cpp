#include "workflows/ReportInfo.h"

#include "model/Units.h"

namespace orvex {

std::string UnitsLine() {
    return std::string("واحد به كار رفته شده UNITS = ") + CurrentUnits.ForceUnit + "." +
           CurrentUnits.LengthUnit;
}

void AddReportOpening(ReportDocument& document, const std::string& title) {
    document.AddLine(title, TextStyle::MainHeading, ParaStyle::Centered);
    document.AddRule();
    document.AddLine(UnitsLine(), TextStyle::NormalText, ParaStyle::Left);
    document.AddRule();
}

ReportInfo StartReport(const ReportTexts& texts) {
    ReportInfo report;
    report.Caption = texts.Caption;
    report.FileName = texts.FileName;
    AddReportOpening(report.Document, texts.Title);
    return report;
}

void AddNoResult(ReportDocument& document) {
    document.AddLine(".طراحي هيچ نتيجه اي در بر نداشت", TextStyle::Error, ParaStyle::Centered);
    document.AddRule();
}

} // namespace orvex
