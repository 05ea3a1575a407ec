#pragma once

#include "design/CalcLog.h"
#include "design/LogWriter.h"
#include "model/Records.h"

namespace orvex {

// Checks a beam resting on a seat angle for the reaction Angle.P: local web yielding, web
// crippling, shear in the angle and the two vertical welds. Clears `log` and writes every step;
// true when all four pass. Raises ArithmeticError when a value the formulas divide by is not
// positive, or a length or strength is negative (such as -1 for a column the table lacks).
bool CheckSeatAngleConnection(CalcLog& log, const TConnectionSimple& connection);
// The verdict alone, computed the same way without writing any line.
bool SeatAngleConnectionPasses(const TConnectionSimple& connection);

// Largest fillet weld along the edge of the thinner of two plates (cm).
Extended MaxFilletWeldSize(Extended t1, Extended t2);

// Bearing length the beam needs before clearance (cm): the larger of the web-yielding and the
// web-crippling estimates with the beam's single web. The design starts at the first angle whose
// horizontal leg reaches this length plus FreeDis.
Extended SeatAngleStartingLength(const TConnectionSimple& connection);

} // namespace orvex
