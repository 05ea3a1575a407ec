#include "workflows/ColumnDesign.h"

#include "design/ColumnCheck.h"

namespace orvex {

bool DesignColumn(CalcLog& log, TElement& element, TProfileLib& lib) {
    log.Clear();
    // A name that matches no table leaves the previous selection; in design mode the section
    // frame offers only the library's tables.
    FindProfileTable(lib, element.ProfileName);
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
