#pragma once

#include "workflows/ReportInfo.h"
#include "workflows/RunTypes.h"

namespace orvex {

// Title of the calculation log block(s) in the report.
inline constexpr const char* kColumnLogTitle = "كنترل  تنشهاي ستون";

// The report of a column run: the section header and the log when a section was found (always,
// for an analysis), otherwise the no-result line; the four inputs in either case. Numbers follow
// CurrentUnits. Raises ArithmeticError when a value to print is not finite.
ReportInfo BuildColumnReport(const ColumnRunResult& run);

} // namespace orvex
