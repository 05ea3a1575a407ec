#pragma once

#include "design/CalcLog.h"
#include "library/ProfileLib.h"
#include "model/Records.h"

namespace orvex {

// Walks the table of `lib` named by element.ProfileName in its row order, from the first row with
// Sx >= 0, and stops at the first section that passes the bending and then the shear check. True
// when one passed: `element` then holds it and the logs hold its checks. When none passed the
// element holds the last section tried. False at once, logs empty and element unchanged, when no
// table has that name or the table has no Sx column or no row to try. The selection of `lib` is
// left on the last section tried. ArithmeticError from a malformed row propagates with the
// element holding that row.
bool DesignBeam(CalcLog& bendingLog, CalcLog& shearLog, TElement& element, TProfileLib& lib);

} // namespace orvex
