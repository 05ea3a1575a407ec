#pragma once

#include "design/CalcLog.h"
#include "design/LogWriter.h"
#include "model/Records.h"

namespace orvex {

// 12π², the Euler stress factor with the factor of safety 23/12 folded in.
constexpr Extended kTwelvePiSquared = 118.43525281307230343L;

// Allowable compressive stress Fa (kg/cm²) of a column under concentric load, from its effective
// slenderness about both axes; appends its steps to `log`. Raises ArithmeticError when rx, ry,
// Fy or E is not positive.
Extended ColumnAllowableAxialStress(CalcLog& log, const TElement& element);
Extended ColumnAllowableAxialStress(LogWriter& out, const TElement& element);

} // namespace orvex
