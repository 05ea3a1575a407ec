#include "workflows/ColumnDesign.h"

#include "design/ColumnCheck.h"

namespace orvex {

// Candidates are tried on their verdicts alone; only the section whose check stays in the log when
// the search ends has its lines written, so a long table costs no formatting.
bool DesignColumn(CalcLog& log, TElement& element, TProfileLib& lib) {
    log.Clear();
    // Searching whichever table happened to be selected would offer a section of another family.
    if (!FindProfileTable(lib, element.ProfileName))
        return false;
    if (!FindProfileAtLeast(lib, "A", 0))
        return false;
    for (;;) {
        ProfileToElement(lib, element);
        if (ColumnStressesPass(element))
            return CheckColumnStresses(log, element);
        if (!AdvanceProfile(lib))
            break;
    }
    CheckColumnStresses(log, element);
    return false;
}

} // namespace orvex
