#pragma once

#include "library/ProfileLib.h"
#include "workflows/RunTypes.h"
#include "workflows/SectionChoice.h"

#include <string>

namespace orvex {

struct ConnectionMember {
    TMaterial Material;
    SectionChoice Section;
};

// One connection run as the connection window holds it.
struct ConnectionJob {
    TRunMode Mode = rmDesign;
    ConnectionMember Beam;   // by default the 7th section of the first rolled table
    ConnectionMember Column; // by default the 5th section of the first composite table
    std::string AngleTable;  // empty: the first angle table of the library
    std::string Angle;       // analysis; empty: the first angle of the table
    std::string FreeDis = "2";
    std::string P = "8000";
    int Electrode = 0; // 0 "E60 xx", 1 "E70 xx", 2 "E80 xx", 3 "E100 xx"
    std::string Quality = "0.75";

    ConnectionJob() {
        Beam.Section.Row = 6;
        Beam.Section.ContinuityOption = false;
        Column.Section.Tab = SectionTab::Composite;
        Column.Section.Row = 4;
        Column.Section.ContinuityOption = false;
    }
};

inline constexpr const char* kElectrodeNames[4] = {"E60 xx", "E70 xx", "E80 xx", "E100 xx"};

// Fills the connection from the job (beam and column from their choices, the angle length from
// the column, the weld data) and runs the check of the chosen angle (analysis) or the search of
// the angle table (design). Errors as RunBeam.
ConnectionRunResult RunConnection(const ConnectionJob& job, TProfileLib& lib);

} // namespace orvex
