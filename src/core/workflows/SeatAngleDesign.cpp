#include "workflows/SeatAngleDesign.h"

#include "design/SeatAngle.h"
#include "model/Units.h"

namespace orvex {

Extended SeatAngleWeldSize(const TConnectionSimple& connection) {
    return RoundToDecimals(MaxFilletWeldSize(connection.Angle.tf, connection.Beam.tf), 1);
}

// Candidates are tried on their verdicts alone; only the angle whose check stays in the log when
// the search ends has its lines written.
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
        if (SeatAngleConnectionPasses(connection))
            return CheckSeatAngleConnection(log, connection);
        if (!AdvanceProfile(lib))
            break;
    }
    CheckSeatAngleConnection(log, connection);
    return false;
}

} // namespace orvex
