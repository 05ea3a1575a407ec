#pragma once

#include "design/CalcLog.h"
#include "library/ProfileLib.h"
#include "model/Records.h"

namespace orvex {

// Walks the angle table named by connection.Angle.ProfileName in `lib`, from the first angle whose
// horizontal leg reaches the bearing length the beam needs plus the clearance, and stops at the
// first angle that passes CheckSeatAngleConnection. Each candidate's section fields and weld size
// D are written into `connection`; `log` then holds the last check. False when no angle passes,
// or at once when no table has that name or no angle is long enough; the connection then holds
// the last angle tried, or is unchanged when none was tried.
bool DesignSeatAngleConnection(CalcLog& log, TConnectionSimple& connection, TProfileLib& lib);

// The weld size the design uses for an angle on a beam: the largest fillet weld on the thinner of
// the two flanges, rounded to 0.1 cm.
Extended SeatAngleWeldSize(const TConnectionSimple& connection);

} // namespace orvex
