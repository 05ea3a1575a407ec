#pragma once

#include "design/CalcLog.h"
#include "model/Records.h"

namespace orvex {

// Both checks clear `log` first and return true when the section passes. A section value the
// formulas need that is missing (-1), negative or a zero divisor raises ArithmeticError naming it.
bool CheckBeamBending(CalcLog& log, const TElement& element);
bool CheckBeamShear(CalcLog& log, const TElement& element);
// Their verdicts alone, computed the same way but without writing (or formatting) any line.
bool BeamBendingPasses(const TElement& element);
bool BeamShearPasses(const TElement& element);

// Allowable shear stress Fv in kg/cm², 0 when the web is too slender for one; appends to `log`.
Extended AllowableShearStress(CalcLog& log, const TElement& element);

} // namespace orvex
