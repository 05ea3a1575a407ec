#pragma once

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

// The opening every report shares: the centred title, then the units in use between two rules.
void AddReportOpening(ReportDocument& document, const std::string& title);

// The centred red line of a design that found nothing, and a rule.
void AddNoResult(ReportDocument& document);

// The units line, e.g. "... UNITS = Kg.cm", with the units of CurrentUnits as they are written.
std::string UnitsLine();

} // namespace orvex
