#pragma once

#include "model/Extended.h"

#include <cstdint>
#include <string>

namespace orvex {

// The two end moments of an unbraced length as typed (display units) and the sense of curvature
// chosen: +1 double curvature, anything else single curvature.
struct EndMomentsInput {
    std::string M1 = "0";
    std::string M2 = "0";
    int Curvature = -1;
};

// Reads the moments as the end-moment dialog does: the smaller (signed) becomes M1, the larger M2;
// the curvature is +1 for double curvature and -1 otherwise. Raises ConversionError for text
// that is not a number.
void ReadEndMoments(const EndMomentsInput& input, Extended& M1, Extended& M2, std::int8_t& curvature);

} // namespace orvex
