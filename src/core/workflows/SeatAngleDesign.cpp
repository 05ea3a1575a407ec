#include "workflows/SeatAngleDesign.h"

#include "design/SeatAngle.h"
#include "model/Units.h"

namespace orvex {

Extended SeatAngleWeldSize(const TConnectionSimple& connection) {
    return RoundToDecimals(MaxFilletWeldSize(connection.Angle.tf, connection.Beam.tf), 1);
}

bool DesignSeatAngleConnection(CalcLog& log, TConnectionSimple& connection, TProfileLib& lib) {
    log.Clear();
    // Searching whichever table happened to be selected would offer a section that is no angle.
    if (!FindProfileTable(lib, connection.Angle.ProfileName))
        return false;
    const Extended start = SeatAngleStartingLength(connection) + connection.FreeDis;
    if (!FindProfileAtLeast(lib, "bf", static_cast<double>(start)))
        return false;
    for (;;) {
        ProfileToElement(lib, connection.Angle);
        connection.D = SeatAngleWeldSize(connection);
        if (CheckSeatAngleConnection(log, connection))
            return true;
        if (!AdvanceProfile(lib))
            return false;
    }
}

} // namespace orvex
