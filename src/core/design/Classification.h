#pragma once

#include "design/CalcLog.h"
#include "design/LogWriter.h"
#include "model/Records.h"

#include <cstdint>

namespace orvex {

enum TSectionClass : std::uint8_t {
    scCompact = 0,
    scNonCompact = 1,
    scSlender = 2,
};

// Compactness of a section from its width-to-thickness ratios, by kind, under the axial stress
// fa = P / A. All three append their lines to `log` and never clear it.
TSectionClass ClassifyWeb(CalcLog& log, const TElement& element);
TSectionClass ClassifyElements(CalcLog& log, const TElement& element);
// ClassifyElements followed by the one conclusion line.
TSectionClass ClassifySection(CalcLog& log, const TElement& element);
TSectionClass ClassifySection(LogWriter& out, const TElement& element);
// The class alone, without any line: for a step that needs it after its caller wrote the lines.
TSectionClass SectionClass(const TElement& element);

} // namespace orvex
