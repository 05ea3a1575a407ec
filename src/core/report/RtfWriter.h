#pragma once

#include "report/ReportDocument.h"

#include <string>

namespace orvex {

// The document as an RTF file image (7-bit ASCII): the six text styles, left and centred
// paragraphs, rules as bottom borders, tables with single borders, pictures as embedded PNG.
// Persian text is written as Unicode escapes in right-to-left runs, so word processors keep it
// whole and read it from the right. A picture that cannot be decoded is left out.
std::string WriteRtf(const ReportDocument& document);

} // namespace orvex
