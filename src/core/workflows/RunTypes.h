#pragma once

#include "design/CalcLog.h"
#include "model/Records.h"

#include <cstdint>

namespace orvex {

enum TRunMode : std::uint8_t {
    rmDesign = 0,
    rmAnalysis = 1,
};

// What one beam run leaves behind: the element as the engine left it, whether a design found a
// section (always true for an analysis), and the two logs.
struct BeamRunResult {
    TRunMode Mode = rmDesign;
    bool Found = false;
    TElement Element;
    CalcLog BendingLog;
    CalcLog ShearLog;
};

struct ColumnRunResult {
    TRunMode Mode = rmDesign;
    bool Found = false;
    TElement Element;
    CalcLog Log;
};

struct ConnectionRunResult {
    TRunMode Mode = rmDesign;
    bool Found = false;
    TConnectionSimple Connection;
    CalcLog Log;
};

} // namespace orvex
