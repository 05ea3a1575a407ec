#pragma once

#include "workflows/ReportInfo.h"
#include "workflows/RunTypes.h"

namespace orvex {

// Title of the calculation log block(s) in the report.
inline constexpr const char* kConnectionLogTitle = "كنترل تنشهاي اتصال ";

// The report of a seat-angle connection run. When an angle was found (always, for an analysis):
// the angle's header with its length, the reaction, the weld size and angle length, the detail
// picture `detail` and the log; otherwise only the no-result line. Raises ArithmeticError when a
// value to print is not finite.
ReportInfo BuildConnectionReport(const ConnectionRunResult& run, const TPicture& detail);

} // namespace orvex
