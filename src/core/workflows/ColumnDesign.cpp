#include "workflows/ColumnDesign.h"

#include "design/ColumnCheck.h"

namespace orvex {

bool DesignColumn(CalcLog& log, TElement& element, TProfileLib& lib) {
    log.Clear();
    // Searching whichever table happened to be selected would offer a section of another family.
    if (!FindProfileTable(lib, element.ProfileName))
        return false;
    if (!FindProfileAtLeast(lib, "A", 0))
        return false;
    for (;;) {
        ProfileToElement(lib, element);
        if (CheckColumnStresses(log, element))
            return true;
        if (!AdvanceProfile(lib))
            return false;
    }
}

} // namespace orvex
