#pragma once

#include "library/ProfileLib.h"
#include "workflows/EndMoments.h"
#include "workflows/RunTypes.h"
#include "workflows/SectionChoice.h"

#include <optional>
#include <string>

namespace orvex {

// One column run as the column window holds it: the boxes as typed (display units), the
// coefficients as the dialogs and lists left them, the material and the section choice.
struct ColumnJob {
    TRunMode Mode = rmDesign;
    std::string L = "350";
    std::string Lbx = "350";
    std::string Lby = "350";
    std::string P = "60000";
    std::string Mx = "450000";
    std::string My = "0";
    std::string Kx = "1";
    std::string Ky = "1";
    bool BracedX = true;
    bool BracedY = true;
    bool TransverseLoadX = false;
    bool TransverseLoadY = false;
    int CmCaseX = 6; // 1..6
    int CmCaseY = 6;
    std::optional<EndMomentsInput> EndMomentsX; // as confirmed in the end-moment dialog
    std::optional<EndMomentsInput> EndMomentsY;
    TMaterial Material;
    SectionChoice Section;
};

// Reads the job into a column element and runs the check (analysis) or the search of the chosen
// table (design). Errors as RunBeam; a K outside 0.5..10 or a Cm case outside 1..6 is an Error.
ColumnRunResult RunColumn(const ColumnJob& job, TProfileLib& lib);

} // namespace orvex
