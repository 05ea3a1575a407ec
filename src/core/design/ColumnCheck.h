#pragma once

#include "design/CalcLog.h"
#include "design/LogWriter.h"
#include "model/Records.h"

namespace orvex {

enum class ColumnAxis { X, Y };

// Checks a column section under the axial force P and the moments Mx, My: stresses,
// compactness, allowable axial and bending stresses, the moment factors Cm and the interaction
// sums. Clears `log` and writes the whole check; true when every check passes. Raises
// ArithmeticError when a section or material value it divides by is not positive, or a length or
// K factor is negative.
bool CheckColumnStresses(CalcLog& log, const TElement& element);
// The verdict alone, computed the same way without writing any line.
bool ColumnStressesPass(const TElement& element);

// Equivalent uniform moment factor Cm about one axis, from the bracing, the transverse-load case
// or the end moments; appends its lines. `fa` is the axial stress and `Fe` the Euler stress F'e
// about that axis (used by the transverse-load cases only).
Extended ColumnMomentFactor(CalcLog& log, const TElement& element, ColumnAxis axis, Extended fa, Extended Fe);
Extended ColumnMomentFactor(LogWriter& out, const TElement& element, ColumnAxis axis, Extended fa,
                            Extended Fe);

} // namespace orvex
