#include "workflows/BeamDesign.h"

#include "design/BeamChecks.h"

#include <optional>

namespace orvex {

// Candidates are tried on the verdicts alone; only the sections whose lines remain in the logs
// when the search ends have their checks written, so a long table costs no formatting.
bool DesignBeam(CalcLog& bendingLog, CalcLog& shearLog, TElement& element, TProfileLib& lib) {
    bendingLog.Clear();
    shearLog.Clear();
    // Searching whichever table happened to be selected would offer a section of another family.
    if (!FindProfileTable(lib, element.ProfileName))
        return false;
    if (!FindProfileAtLeast(lib, "Sx", 0))
        return false;
    // The shear log keeps the last section that passed in bending: shear is not checked for one
    // that fails there.
    std::optional<TElement> lastBendingPass;
    for (;;) {
        ProfileToElement(lib, element);
        if (BeamBendingPasses(element)) {
            if (BeamShearPasses(element)) {
                CheckBeamBending(bendingLog, element);
                CheckBeamShear(shearLog, element);
                return true;
            }
            lastBendingPass = element;
        }
        if (!AdvanceProfile(lib))
            break;
    }
    CheckBeamBending(bendingLog, element);
    if (lastBendingPass)
        CheckBeamShear(shearLog, *lastBendingPass);
    return false;
}

} // namespace orvex
