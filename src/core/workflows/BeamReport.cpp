#include "workflows/BeamReport.h"

#include "model/Units.h"

namespace orvex {

namespace {

const ReportTexts kAnalysis = {"خروجي آناليز تير", "Orvexlund v1.0- Analysis Beam Report", "آناليز تير"};
const ReportTexts kDesign = {"خروجي طراحي تير", "Orvexlund v1.0- Design Beam Report", "طراحي تير"};

const InputLine kInputs[] = {
    {"طول تير           L  = ", &TElement::L, qkLength},
    {"طول مهار شده تير  Lb = ", &TElement::Lbx, qkLength},
    {"لنگر خمشي ماكزيمم  Mx = ", &TElement::Mx, qkMoment},
    {"لنگر خمشي ماكزيمم  My = ", &TElement::My, qkMoment},
    {"لنگر برشي ماكزيمم Vx = ", &TElement::Vx, qkForce},
    {"لنگر برشي ماكزيمم Vy = ", &TElement::Vy, qkForce},
};

} // namespace

ReportInfo BuildBeamReport(const BeamRunResult& run) {
    ReportInfo report = StartReport(run.Mode == rmAnalysis ? kAnalysis : kDesign);
    ReportDocument& document = report.Document;
    if (run.Found)
        document.AddSectionHeader(run.Element, false, true);
    else
        AddNoResult(document);
    AddInputLines(document, run.Element, kInputs);
    if (run.Found) {
        document.AddLogBlock(run.BendingLog, kBeamBendingLogTitle);
        document.AddLogBlock(run.ShearLog, kBeamShearLogTitle);
        document.AddRule();
    }
    return report;
}

} // namespace orvex
