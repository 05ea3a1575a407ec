#pragma once

#include "design/CalcLog.h"
#include "library/ProfileLib.h"
#include "model/Records.h"

namespace orvex {

// Walks the table named by element.ProfileName in `lib` in its stored order and stops at the first
// section that passes CheckColumnStresses; each candidate's section fields are written into
// `element`, and `log` holds the last check. False when no section passes, or at once when no
// table has that name or the table has no column "A" or no rows; the element then holds the last
// section tried, or is unchanged when none was tried. ArithmeticError from a malformed row
// propagates with the element holding that row.
bool DesignColumn(CalcLog& log, TElement& element, TProfileLib& lib);

} // namespace orvex
