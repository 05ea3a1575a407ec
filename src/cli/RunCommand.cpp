#include "RunCommand.h"

#include "DocumentJson.h"
#include "JobReader.h"
#include "ResultJson.h"

#include "ConnectionDrawing.h"
#include "library/MaterialLib.h"
#include "library/ProfileLibFile.h"
#include "model/AtomicFile.h"
#include "model/Errors.h"
#include "model/Units.h"
#include "report/RtfWriter.h"
#include "report/TextWriter.h"
#include "workflows/BeamReport.h"
#include "workflows/ColumnReport.h"
#include "workflows/ConnectionReport.h"

#include <filesystem>
#include <iostream>
#include <memory>

namespace orvexcalc {

using nlohmann::ordered_json;

namespace {

struct RunOptions {
    std::string JobPath;
    std::string Format = "json";
    std::string Output;
};

std::string ProgramDirectory() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return ".";
    return exe.parent_path().string();
}

std::string Canonical(const std::string& text, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (orvex::SameNameIgnoringCase(name, text))
            return name;
    return text;
}

void ApplyUnits(const UnitsSettings& units) {
    // The units panel offers exactly these texts and the report prints them as they are.
    orvex::TUnits& current = orvex::CurrentUnits;
    current.LengthUnit = current.OldLengthUnit = Canonical(units.Length, {"m", "cm", "mm"});
    current.ForceUnit = current.OldForceUnit = Canonical(units.Force, {"Ton", "Kg", "N"});
    current.Decimals = static_cast<std::uint8_t>(units.Decimals);
    current.ShowZero = units.ShowZero;
}

nlohmann::json ReadJobDocument(const std::string& path) {
    const std::string text = orvex::ReadWholeFile(path);
    try {
        return nlohmann::json::parse(text);
    } catch (const nlohmann::json::parse_error& e) {
        throw orvex::Error("the job " + path + " is not valid JSON: " + e.what());
    }
}

orvex::TMaterial ResolveMaterial(const orvex::MaterialList& materials, const std::string& name) {
    orvex::TMaterial material;
    if (!orvex::FindMaterial(materials, name, material))
        throw orvex::Error("no material named \"" + name + "\"");
    return material;
}

// Everything a run hands to the writers.
struct RunOutcome {
    ordered_json Result;
    orvex::ReportInfo Report;
};

RunOutcome Run(Job& job, orvex::TProfileLib& lib) {
    RunOutcome outcome;
    ordered_json& result = outcome.Result;
    result["workflow"] = WorkflowName(job.Kind);
    result["mode"] = job.Mode == orvex::rmDesign ? "design" : "analysis";
    ordered_json logs = ordered_json::array();
    switch (job.Kind) {
    case Workflow::Beam: {
        const orvex::BeamRunResult run = orvex::RunBeam(job.Beam, lib);
        outcome.Report = orvex::BuildBeamReport(run);
        result["found"] = run.Found;
        result["element"] = ElementToJson(run.Element);
        logs.push_back(LogToJson(orvex::kBeamBendingLogTitle, run.BendingLog));
        logs.push_back(LogToJson(orvex::kBeamShearLogTitle, run.ShearLog));
        break;
    }
    case Workflow::Column: {
        const orvex::ColumnRunResult run = orvex::RunColumn(job.Column, lib);
        outcome.Report = orvex::BuildColumnReport(run);
        result["found"] = run.Found;
        result["element"] = ElementToJson(run.Element);
        logs.push_back(LogToJson(orvex::kColumnLogTitle, run.Log));
        break;
    }
    case Workflow::Connection: {
        const orvex::ConnectionRunResult run = orvex::RunConnection(job.Connection, lib);
        const orvex::TPicture detail = run.Found ? orvex::ConnectionDetailPicture(run.Connection) : nullptr;
        outcome.Report = orvex::BuildConnectionReport(run, detail);
        result["found"] = run.Found;
        result["element"] = ElementToJson(run.Connection.Angle);
        result["connection"] = ConnectionToJson(run.Connection);
        logs.push_back(LogToJson(orvex::kConnectionLogTitle, run.Log));
        break;
    }
    }
    // the title is the report's first line
    const auto& items = outcome.Report.Document.Items();
    const auto* title = items.empty() ? nullptr : std::get_if<orvex::ReportLine>(&items.front());
    result["title"] = title ? title->Text : "";
    result["units"] = orvex::CurrentUnits.ForceUnit + "." + orvex::CurrentUnits.LengthUnit;
    result["logs"] = logs;
    result["document"] = DocumentToJson(outcome.Report.Document);
    // keep the contract's key order: title and units after found
    ordered_json ordered;
    for (const char* key :
         {"workflow", "mode", "found", "title", "units", "element", "connection", "logs", "document"})
        if (result.contains(key))
            ordered[key] = result[key];
    outcome.Result = ordered;
    return outcome;
}

void RunJob(const RunOptions& options) {
    Job job = ReadJob(ReadJobDocument(options.JobPath));
    ApplyUnits(job.Units);

    const std::string programDir = ProgramDirectory();
    orvex::TProfileLib& lib = orvex::MainProfileLib;
    lib = orvex::TProfileLib{};
    lib.FileName = job.LibraryPath.empty() ? programDir + "/OrvexMainProfile.OPR" : job.LibraryPath;
    orvex::LoadProfileLib(lib);

    orvex::MaterialList materials;
    const std::string materialPath =
        job.MaterialPath.empty() ? orvex::DefaultMaterialFilePath(programDir) : job.MaterialPath;
    if (!job.MaterialPath.empty() && !std::filesystem::exists(materialPath))
        throw orvex::Error("cannot open the material file " + materialPath + ": no such file");
    const orvex::MaterialLoadResult loaded = orvex::LoadMaterials(materials, materialPath);
    if (!loaded.Warning.empty())
        std::cerr << "orvexcalc: warning: " << loaded.Warning << "\n";
    job.Beam.Material = job.Column.Material = ResolveMaterial(materials, job.MemberMaterial);
    job.Connection.Beam.Material = ResolveMaterial(materials, job.BeamMaterial);
    job.Connection.Column.Material = ResolveMaterial(materials, job.ColumnMaterial);

    const RunOutcome outcome = Run(job, lib);
    std::string bytes;
    if (options.Format == "json")
        bytes = outcome.Result.dump(2) + "\n";
    else if (options.Format == "text")
        bytes = orvex::WriteText(outcome.Report.Document);
    else
        bytes = orvex::WriteRtf(outcome.Report.Document);

    if (options.Output.empty() || options.Output == "-") {
        std::cout << bytes << std::flush;
        return;
    }
    orvex::WriteFileAtomically(options.Output, bytes);
}

} // namespace

void AddRunCommand(CLI::App& app) {
    auto options = std::make_shared<RunOptions>();
    CLI::App* run = app.add_subcommand("run", "Run one beam, column or connection job");
    run->add_option("JOB", options->JobPath, "the job file (JSON)")->required();
    run->add_option("--format", options->Format, "json (default), text or rtf")
        ->check(CLI::IsMember({"json", "text", "rtf"}))
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast); // a later choice overrides a default one
    run->add_option("-o,--output", options->Output,
                    "write the result to this file instead of standard output");
    run->callback([options] { RunJob(*options); });
}

} // namespace orvexcalc
