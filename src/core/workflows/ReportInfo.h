#pragma once

#include "model/Units.h"
#include "report/ReportDocument.h"

#include <string>

namespace orvex {

// What a run hands to the report window: its caption, the file name the save dialog proposes,
// and the document.
struct ReportInfo {
    std::string Caption;
    std::string FileName;
    ReportDocument Document;
};

// The texts that name a report: window caption, proposed file name, title line.
struct ReportTexts {
    const char* Caption;
    const char* FileName;
    const char* Title;
};

// A report's input line: a label followed by one field of the element in display units.
struct InputLine {
    const char* Label;
    Extended TElement::*Field;
    TQuantityKind Kind;
};

// A report named by `texts`, its opening written.
ReportInfo StartReport(const ReportTexts& texts);

// The input lines, each its label and the field through FormatQuantity.
template <std::size_t N>
void AddInputLines(ReportDocument& document, const TElement& element, const InputLine (&inputs)[N]) {
    for (const InputLine& input : inputs)
        document.AddLine(input.Label + FormatQuantity(input.Kind, element.*(input.Field)),
                         TextStyle::NormalText, ParaStyle::Left);
}

// The opening every report shares: the centred title, then the units in use between two rules.
void AddReportOpening(ReportDocument& document, const std::string& title);

// The centred red line of a design that found nothing, and a rule.
void AddNoResult(ReportDocument& document);

// The units line, e.g. "... UNITS = Kg.cm", with the units of CurrentUnits as they are written.
std::string UnitsLine();

} // namespace orvex
