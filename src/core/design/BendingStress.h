#pragma once

#include "design/CalcLog.h"
#include "design/LogWriter.h"
#include "model/Records.h"

#include <string>

namespace orvex {

// Allowable bending stress about one axis in kg/cm²; 0 when none can be given (a slender element
// or web). `axis` ("x" or "y") is used only in the labels; appends to `log`, never clears it.
Extended AllowableBendingStress(CalcLog& log, const TElement& element, const std::string& axis,
                                bool weakAxis);
Extended FlangedAllowableBending(CalcLog& log, const TElement& element, const std::string& axis,
                                 bool weakAxis);
Extended HollowAllowableBending(CalcLog& log, const TElement& element, const std::string& axis);
// The same, writing through `out` (no formatting at all when it has no log).
Extended AllowableBendingStress(LogWriter& out, const TElement& element, const std::string& axis,
                                bool weakAxis);

} // namespace orvex
