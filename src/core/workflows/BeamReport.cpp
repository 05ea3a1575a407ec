#include "workflows/BeamReport.h"

#include "model/Units.h"

namespace orvex {

namespace {

struct BeamTexts {
    const char* Caption;
    const char* FileName;
    const char* Title;
};

const BeamTexts kAnalysis = {"خروجي آناليز تير", "Orvexlund v1.0- Analysis Beam Report", "آناليز تير"};
const BeamTexts kDesign = {"خروجي طراحي تير", "Orvexlund v1.0- Design Beam Report", "طراحي تير"};

struct InputLine {
    const char* Label;
    Extended TElement::*Field;
    TQuantityKind Kind;
};

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
    const BeamTexts& texts = run.Mode == rmAnalysis ? kAnalysis : kDesign;
    ReportInfo report;
    report.Caption = texts.Caption;
    report.FileName = texts.FileName;
    ReportDocument& document = report.Document;

    AddReportOpening(document, texts.Title);
    if (run.Found)
        document.AddSectionHeader(run.Element, false, true);
    else
        AddNoResult(document);
    for (const InputLine& input : kInputs)
        document.AddLine(input.Label + FormatQuantity(input.Kind, run.Element.*(input.Field)),
                         TextStyle::NormalText, ParaStyle::Left);
    if (run.Found) {
        document.AddLogBlock(run.BendingLog, kBeamBendingLogTitle);
        document.AddLogBlock(run.ShearLog, kBeamShearLogTitle);
        document.AddRule();
    }
    return report;
}

} // namespace orvex
