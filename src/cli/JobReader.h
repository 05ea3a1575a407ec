#pragma once

#include "workflows/BeamRun.h"
#include "workflows/ColumnRun.h"
#include "workflows/ConnectionRun.h"

#include <nlohmann/json.hpp>

#include <string>

namespace orvexcalc {

enum class Workflow { Beam, Column, Connection };

struct UnitsSettings {
    std::string Length = "cm";
    std::string Force = "Kg";
    int Decimals = 3;
    bool ShowZero = false;
};

// A job file read into the texts and choices a window would hold. Material names stay names
// until the material file is loaded (ResolveMaterials).
struct Job {
    Workflow Kind = Workflow::Beam;
    orvex::TRunMode Mode = orvex::rmDesign;
    UnitsSettings Units;
    std::string LibraryPath;  // empty: the main library next to the program
    std::string MaterialPath; // empty: the user's material file
    std::string MemberMaterial = "St 37";
    std::string BeamMaterial = "St 37";   // connection
    std::string ColumnMaterial = "St 37"; // connection
    orvex::BeamJob Beam;
    orvex::ColumnJob Column;
    orvex::ConnectionJob Connection;
};

// Reads and checks a job; raises orvex::Error naming the key for an unknown key, a value of the
// wrong type or a choice that does not exist.
Job ReadJob(const nlohmann::json& document);

const char* WorkflowName(Workflow workflow);

} // namespace orvexcalc
