#include "workflows/BeamDesign.h"

#include "design/BeamChecks.h"

namespace orvex {

bool DesignBeam(CalcLog& bendingLog, CalcLog& shearLog, TElement& element, TProfileLib& lib) {
    bendingLog.Clear();
    shearLog.Clear();
    // Searching whichever table happened to be selected would offer a section of another family.
    if (!FindProfileTable(lib, element.ProfileName))
        return false;
    if (!FindProfileAtLeast(lib, "Sx", 0))
        return false;
    for (;;) {
        ProfileToElement(lib, element);
        // The shear check is not run for a section that already fails in bending.
        if (CheckBeamBending(bendingLog, element) && CheckBeamShear(shearLog, element))
            return true;
        if (!AdvanceProfile(lib))
            return false;
    }
}

} // namespace orvex
