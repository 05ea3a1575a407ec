#include "JobReader.h"

#include "model/Errors.h"
#include "model/Units.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace orvexcalc {

using nlohmann::json;
using orvex::Error;

namespace {

void RequireObject(const json& value, const std::string& where) {
    if (!value.is_object())
        throw Error("\"" + where + "\" must be a JSON object");
}

void RequireKnownKeys(const json& object, const std::string& where,
                      std::initializer_list<const char*> known) {
    RequireObject(object, where);
    for (const auto& item : object.items()) {
        const bool isKnown =
            std::any_of(known.begin(), known.end(), [&](const char* key) { return item.key() == key; });
        if (!isKnown)
            throw Error("unknown key \"" + item.key() + "\" in " + where);
    }
}

std::string Path(const std::string& where, const std::string& key) {
    return where.empty() ? key : where + "." + key;
}

// A number box's text: a JSON number (written back in shortest form) or a string, read later
// exactly as typed text is.
std::string NumberText(const json& value, const std::string& key) {
    if (value.is_string())
        return value.get<std::string>();
    if (value.is_number_integer() || value.is_number_unsigned())
        return value.dump();
    if (value.is_number_float())
        return orvex::FormatGeneral(value.get<double>());
    throw Error("\"" + key + "\" must be a number or a string");
}

std::string Text(const json& value, const std::string& key) {
    if (!value.is_string())
        throw Error("\"" + key + "\" must be a string");
    return value.get<std::string>();
}

bool Flag(const json& value, const std::string& key) {
    if (!value.is_boolean())
        throw Error("\"" + key + "\" must be true or false");
    return value.get<bool>();
}

int Integer(const json& value, const std::string& key) {
    if (value.is_number_integer()) {
        const auto number = value.get<std::int64_t>();
        if (number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max())
            return static_cast<int>(number);
    }
    if (value.is_string()) {
        const std::string text = value.get<std::string>();
        if (!text.empty() && text.size() < 10 && std::all_of(text.begin(), text.end(), ::isdigit))
            return std::stoi(text);
    }
    throw Error("\"" + key + "\" must be a whole number");
}

void ReadField(const json& object, const char* key, const std::string& where, std::string& target) {
    if (object.contains(key))
        target = NumberText(object.at(key), Path(where, key));
}

void ReadFlag(const json& object, const char* key, const std::string& where, bool& target) {
    if (object.contains(key))
        target = Flag(object.at(key), Path(where, key));
}

void ReadInteger(const json& object, const char* key, const std::string& where, int& target) {
    if (object.contains(key))
        target = Integer(object.at(key), Path(where, key));
}

orvex::EndMomentsInput ReadEndMomentsObject(const json& object, const std::string& where) {
    RequireKnownKeys(object, where, {"compute", "M1", "M2", "curvature"});
    orvex::EndMomentsInput input;
    ReadField(object, "M1", where, input.M1);
    ReadField(object, "M2", where, input.M2);
    if (object.contains("curvature")) {
        const int curvature = Integer(object.at("curvature"), Path(where, "curvature"));
        if (curvature != 1 && curvature != -1)
            throw Error("\"" + Path(where, "curvature") +
                        "\" must be 1 (double curvature) or -1 (single curvature)");
        input.Curvature = curvature;
    }
    return input;
}

orvex::SectionChoice ReadSection(const json& object, const std::string& where, orvex::SectionChoice choice) {
    RequireKnownKeys(object, where, {"tab", "table", "name", "plates", "flangeWebContinuous"});
    if (object.contains("tab")) {
        const std::string tab = Text(object.at("tab"), Path(where, "tab"));
        if (tab == "rolled")
            choice.Tab = orvex::SectionTab::Rolled;
        else if (tab == "composite")
            choice.Tab = orvex::SectionTab::Composite;
        else if (tab == "plate")
            choice.Tab = orvex::SectionTab::Plate;
        else
            throw Error("\"" + Path(where, "tab") + "\" must be \"rolled\", \"composite\" or \"plate\"");
        // Another tab starts from its own first table and section.
        choice.Row = 0;
    }
    if (object.contains("table")) {
        choice.Table = Text(object.at("table"), Path(where, "table"));
        choice.Row = 0;
    }
    if (object.contains("name"))
        choice.Section = Text(object.at("name"), Path(where, "name"));
    if (object.contains("plates")) {
        const json& plates = object.at("plates");
        const std::string at = Path(where, "plates");
        RequireKnownKeys(plates, at, {"d", "tw", "bf", "tf"});
        ReadField(plates, "d", at, choice.Plates.d);
        ReadField(plates, "tw", at, choice.Plates.tw);
        ReadField(plates, "bf", at, choice.Plates.bf);
        ReadField(plates, "tf", at, choice.Plates.tf);
    }
    if (object.contains("flangeWebContinuous"))
        choice.FlangeWebContinuous =
            Flag(object.at("flangeWebContinuous"), Path(where, "flangeWebContinuous"));
    return choice;
}

void ReadUnits(const json& object, UnitsSettings& units) {
    RequireKnownKeys(object, "units", {"length", "force", "decimals", "showZero"});
    if (object.contains("length")) {
        const std::string length = Text(object.at("length"), "units.length");
        if (!orvex::IsLengthUnit(length))
            throw Error("\"units.length\" must be \"m\", \"cm\" or \"mm\"");
        units.Length = length;
    }
    if (object.contains("force")) {
        const std::string force = Text(object.at("force"), "units.force");
        if (!orvex::IsForceUnit(force))
            throw Error("\"units.force\" must be \"Ton\", \"Kg\" or \"N\"");
        units.Force = force;
    }
    if (object.contains("decimals")) {
        units.Decimals = Integer(object.at("decimals"), "units.decimals");
        if (units.Decimals < 0 || units.Decimals > 5)
            throw Error("\"units.decimals\" must be a whole number from 0 to 5");
    }
    if (object.contains("showZero"))
        units.ShowZero = Flag(object.at("showZero"), "units.showZero");
}

void ReadBeamMember(const json& member, Job& job) {
    RequireKnownKeys(member, "member", {"material", "section", "L", "Lb", "Mx", "My", "Vx", "Vy", "cb"});
    orvex::BeamJob& beam = job.Beam;
    ReadField(member, "L", "member", beam.L);
    ReadField(member, "Lb", "member", beam.Lb);
    ReadField(member, "Mx", "member", beam.Mx);
    ReadField(member, "My", "member", beam.My);
    ReadField(member, "Vx", "member", beam.Vx);
    ReadField(member, "Vy", "member", beam.Vy);
    if (member.contains("cb")) {
        const json& cb = member.at("cb");
        beam.CbEndMoments = ReadEndMomentsObject(cb, "member.cb");
        if (cb.contains("compute"))
            beam.ComputeCb = Flag(cb.at("compute"), "member.cb.compute");
    }
    if (member.contains("section"))
        beam.Section = ReadSection(member.at("section"), "member.section", beam.Section);
}

void ReadColumnMember(const json& member, Job& job) {
    RequireKnownKeys(member, "member",
                     {"material", "section", "L", "Lbx", "Lby", "P", "Mx", "My", "Kx", "Ky", "bracedX",
                      "bracedY", "transverseLoadX", "transverseLoadY", "cmCaseX", "cmCaseY", "endMomentsX",
                      "endMomentsY"});
    orvex::ColumnJob& column = job.Column;
    ReadField(member, "L", "member", column.L);
    ReadField(member, "Lbx", "member", column.Lbx);
    ReadField(member, "Lby", "member", column.Lby);
    ReadField(member, "P", "member", column.P);
    ReadField(member, "Mx", "member", column.Mx);
    ReadField(member, "My", "member", column.My);
    ReadField(member, "Kx", "member", column.Kx);
    ReadField(member, "Ky", "member", column.Ky);
    ReadFlag(member, "bracedX", "member", column.BracedX);
    ReadFlag(member, "bracedY", "member", column.BracedY);
    ReadFlag(member, "transverseLoadX", "member", column.TransverseLoadX);
    ReadFlag(member, "transverseLoadY", "member", column.TransverseLoadY);
    ReadInteger(member, "cmCaseX", "member", column.CmCaseX);
    ReadInteger(member, "cmCaseY", "member", column.CmCaseY);
    if (member.contains("endMomentsX"))
        column.EndMomentsX = ReadEndMomentsObject(member.at("endMomentsX"), "member.endMomentsX");
    if (member.contains("endMomentsY"))
        column.EndMomentsY = ReadEndMomentsObject(member.at("endMomentsY"), "member.endMomentsY");
    if (member.contains("section"))
        column.Section = ReadSection(member.at("section"), "member.section", column.Section);
}

void ReadConnectionMember(const json& object, const std::string& where, orvex::ConnectionMember& member,
                          std::string& material) {
    RequireKnownKeys(object, where, {"material", "section"});
    if (object.contains("material"))
        material = Text(object.at("material"), Path(where, "material"));
    if (object.contains("section"))
        member.Section = ReadSection(object.at("section"), Path(where, "section"), member.Section);
}

void ReadConnection(const json& object, Job& job) {
    RequireKnownKeys(object, "connection",
                     {"beam", "column", "angleTable", "angle", "freeDis", "P", "electrode", "quality"});
    orvex::ConnectionJob& connection = job.Connection;
    if (object.contains("beam"))
        ReadConnectionMember(object.at("beam"), "connection.beam", connection.Beam, job.BeamMaterial);
    if (object.contains("column"))
        ReadConnectionMember(object.at("column"), "connection.column", connection.Column, job.ColumnMaterial);
    if (object.contains("angleTable"))
        connection.AngleTable = Text(object.at("angleTable"), "connection.angleTable");
    if (object.contains("angle"))
        connection.Angle = Text(object.at("angle"), "connection.angle");
    ReadField(object, "freeDis", "connection", connection.FreeDis);
    ReadField(object, "P", "connection", connection.P);
    if (object.contains("electrode")) {
        const std::string electrode = Text(object.at("electrode"), "connection.electrode");
        const auto* end = orvex::kElectrodeNames + 4;
        const auto* found = std::find(orvex::kElectrodeNames, end, electrode);
        if (found == end)
            throw Error("\"connection.electrode\" must be \"E60 xx\", \"E70 xx\", \"E80 xx\" or \"E100 xx\"");
        connection.Electrode = static_cast<int>(found - orvex::kElectrodeNames);
    }
    if (object.contains("quality")) {
        const std::string quality = NumberText(object.at("quality"), "connection.quality");
        if (quality != "0.75" && quality != "0.85" && quality != "1.0" && quality != "1")
            throw Error("\"connection.quality\" must be \"0.75\", \"0.85\" or \"1.0\"");
        connection.Quality = quality;
    }
}

} // namespace

const char* WorkflowName(Workflow workflow) {
    switch (workflow) {
    case Workflow::Beam:
        return "beam";
    case Workflow::Column:
        return "column";
    case Workflow::Connection:
        return "connection";
    }
    return "";
}

Job ReadJob(const json& document) {
    RequireKnownKeys(document, "the job",
                     {"workflow", "mode", "units", "library", "materials", "member", "connection"});
    Job job;
    if (document.contains("workflow")) {
        const std::string workflow = Text(document.at("workflow"), "workflow");
        if (workflow == "beam")
            job.Kind = Workflow::Beam;
        else if (workflow == "column")
            job.Kind = Workflow::Column;
        else if (workflow == "connection")
            job.Kind = Workflow::Connection;
        else
            throw Error("\"workflow\" must be \"beam\", \"column\" or \"connection\"");
    }
    if (document.contains("mode")) {
        const std::string mode = Text(document.at("mode"), "mode");
        if (mode == "design")
            job.Mode = orvex::rmDesign;
        else if (mode == "analysis")
            job.Mode = orvex::rmAnalysis;
        else
            throw Error("\"mode\" must be \"design\" or \"analysis\"");
    }
    job.Beam.Mode = job.Column.Mode = job.Connection.Mode = job.Mode;
    if (document.contains("units"))
        ReadUnits(document.at("units"), job.Units);
    if (document.contains("library"))
        job.LibraryPath = Text(document.at("library"), "library");
    if (document.contains("materials"))
        job.MaterialPath = Text(document.at("materials"), "materials");
    if (document.contains("member")) {
        if (job.Kind == Workflow::Connection)
            throw Error("a connection job takes \"connection\", not \"member\"");
        const json& member = document.at("member");
        if (job.Kind == Workflow::Beam)
            ReadBeamMember(member, job);
        else
            ReadColumnMember(member, job);
        if (member.contains("material"))
            job.MemberMaterial = Text(member.at("material"), "member.material");
    }
    if (document.contains("connection")) {
        if (job.Kind != Workflow::Connection)
            throw Error("\"connection\" belongs to a connection job only");
        ReadConnection(document.at("connection"), job);
    }
    return job;
}

} // namespace orvexcalc
