#pragma once

#include "library/ProfileLib.h"
#include "workflows/EndMoments.h"
#include "workflows/RunTypes.h"
#include "workflows/SectionChoice.h"

#include <optional>
#include <string>

namespace orvex {

// One beam run as the beam window holds it: the boxes as typed (display units), the Cb choice,
// the material and the section choice.
struct BeamJob {
    TRunMode Mode = rmDesign;
    std::string L = "350";
    std::string Lb = "0";
    std::string Mx = "450000";
    std::string My = "0";
    std::string Vx = "6000";
    std::string Vy = "0";
    bool ComputeCb = false;
    std::optional<EndMomentsInput> CbEndMoments; // as confirmed in the Cb dialog; none: never opened
    TMaterial Material;
    SectionChoice Section;
};

// Reads the job into a beam element, runs the check (analysis) or the search of the chosen table
// (design) and returns what the report needs. Raises ConversionError for a box that is not a
// number, Error for a table or section that does not exist, and ArithmeticError, naming the
// section, when a section's values cannot be computed with.
BeamRunResult RunBeam(const BeamJob& job, TProfileLib& lib);

} // namespace orvex
