#include "workflows/ColumnReport.h"

#include "model/Units.h"

namespace orvex {

namespace {

struct ColumnTexts {
    const char* Caption;
    const char* FileName;
    const char* Title;
};

const ColumnTexts kAnalysis = {"خروجي آناليز ستون", "Orvexlund v1.0- Analysis Column Report", "آناليز ستون"};
const ColumnTexts kDesign = {"خروجي طراحي ستون", "Orvexlund v1.0- Design Column Report", "طراحي ستون"};

struct InputLine {
    const char* Label;
    Extended TElement::*Field;
    TQuantityKind Kind;
};

const InputLine kInputs[] = {
    {"طول ستون L = ", &TElement::L, qkLength},
    {"نيروي محوري ماكزيمم P = ", &TElement::P, qkForce},
    {"لنگر خمشي ماكزيمم  Mx= ", &TElement::Mx, qkMoment},
    {"لنگر خمشي ماكزيمم  My= ", &TElement::My, qkMoment},
};

} // namespace

ReportInfo BuildColumnReport(const ColumnRunResult& run) {
    const ColumnTexts& texts = run.Mode == rmAnalysis ? kAnalysis : kDesign;
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
    if (run.Found)
        document.AddLogBlock(run.Log, kColumnLogTitle);
    document.AddRule();
    return report;
}

} // namespace orvex
