#pragma once

#include "workflows/ReportInfo.h"
#include "workflows/RunTypes.h"

namespace orvex {

// Title of the calculation log block(s) in the report.
inline constexpr const char* kBeamBendingLogTitle = "كنترل خمش";
inline constexpr const char* kBeamShearLogTitle = "كنترل برش";

// The report of a beam run: the section header and both logs when a section was found (always,
// for an analysis), otherwise the no-result line; the six inputs in either case. Numbers follow
// CurrentUnits. Raises ArithmeticError when a value to print is not finite.
ReportInfo BuildBeamReport(const BeamRunResult& run);

} // namespace orvex
