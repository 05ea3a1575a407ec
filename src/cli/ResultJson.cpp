#include "ResultJson.h"

namespace orvexcalc {

using nlohmann::ordered_json;

namespace {

// Extended values go out as doubles, which the JSON writer prints with enough digits to round-trip.
double Number(orvex::Extended value) {
    return static_cast<double>(value);
}

} // namespace

nlohmann::ordered_json ElementToJson(const orvex::TElement& e) {
    ordered_json out;
    out["ProfileName"] = e.ProfileName;
    out["Source"] = static_cast<int>(e.Source);
    out["Kind"] = static_cast<int>(e.Kind);
    out["SectionName"] = e.SectionName;
    out["IsRolled"] = e.IsRolled;
    out["Material"] = ordered_json{{"Name", e.Material.Name},
                                   {"Fy", Number(e.Material.Fy)},
                                   {"Fu", Number(e.Material.Fu)},
                                   {"E", Number(e.Material.E)}};
    const std::pair<const char*, orvex::Extended> values[] = {
        {"d", e.d},   {"bf", e.bf}, {"tf", e.tf}, {"tw", e.tw}, {"r", e.r},     {"A", e.A},
        {"G", e.G},   {"Ix", e.Ix}, {"Iy", e.Iy}, {"Sx", e.Sx}, {"Sy", e.Sy},   {"rx", e.rx},
        {"ry", e.ry}, {"b", e.b},   {"h", e.h},   {"L", e.L},   {"Lbx", e.Lbx}, {"Lby", e.Lby},
        {"P", e.P},   {"Mx", e.Mx}, {"My", e.My}, {"Vx", e.Vx}, {"Vy", e.Vy}};
    for (const auto& [name, value] : values)
        out[name] = Number(value);
    out["FlangeWebContinuous"] = e.FlangeWebContinuous;
    out["M1x"] = Number(e.M1x);
    out["M2x"] = Number(e.M2x);
    out["M1y"] = Number(e.M1y);
    out["M2y"] = Number(e.M2y);
    out["CurvatureX"] = static_cast<int>(e.CurvatureX);
    out["CurvatureY"] = static_cast<int>(e.CurvatureY);
    out["ComputeCb"] = e.ComputeCb;
    out["Kx"] = Number(e.Kx);
    out["Ky"] = Number(e.Ky);
    out["Cmx"] = Number(e.Cmx);
    out["Cmy"] = Number(e.Cmy);
    out["BracedX"] = e.BracedX;
    out["BracedY"] = e.BracedY;
    out["TransverseLoadX"] = e.TransverseLoadX;
    out["TransverseLoadY"] = e.TransverseLoadY;
    out["CmCaseX"] = e.CmCaseX;
    out["CmCaseY"] = e.CmCaseY;
    return out;
}

nlohmann::ordered_json ConnectionToJson(const orvex::TConnectionSimple& c) {
    ordered_json out;
    out["FreeDis"] = Number(c.FreeDis);
    out["Fee"] = Number(c.Fee);
    out["Fexx"] = Number(c.Fexx);
    out["D"] = Number(c.D);
    out["Beam"] = ElementToJson(c.Beam);
    out["Column"] = ElementToJson(c.Column);
    return out;
}

nlohmann::ordered_json LogToJson(const std::string& title, const orvex::CalcLog& log) {
    ordered_json out;
    out["title"] = title;
    out["lines"] = log.Lines();
    return out;
}

} // namespace orvexcalc
