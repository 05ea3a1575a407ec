#include "workflows/ColumnReport.h"

#include "model/Units.h"

namespace orvex {

namespace {

const ReportTexts kAnalysis = {"خروجي آناليز ستون", "Orvexlund v1.0- Analysis Column Report", "آناليز ستون"};
const ReportTexts kDesign = {"خروجي طراحي ستون", "Orvexlund v1.0- Design Column Report", "طراحي ستون"};

const InputLine kInputs[] = {
    {"طول ستون L = ", &TElement::L, qkLength},
    {"نيروي محوري ماكزيمم P = ", &TElement::P, qkForce},
    {"لنگر خمشي ماكزيمم  Mx= ", &TElement::Mx, qkMoment},
    {"لنگر خمشي ماكزيمم  My= ", &TElement::My, qkMoment},
};

} // namespace

ReportInfo BuildColumnReport(const ColumnRunResult& run) {
    ReportInfo report = StartReport(run.Mode == rmAnalysis ? kAnalysis : kDesign);
    ReportDocument& document = report.Document;
    if (run.Found)
        document.AddSectionHeader(run.Element, false, true);
    else
        AddNoResult(document);
    AddInputLines(document, run.Element, kInputs);
    if (run.Found)
        document.AddLogBlock(run.Log, kColumnLogTitle);
    document.AddRule();
    return report;
}

} // namespace orvex
