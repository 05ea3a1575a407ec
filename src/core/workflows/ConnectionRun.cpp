#include "workflows/ConnectionRun.h"

#include "design/SeatAngle.h"
#include "model/Cp1256.h"
#include "model/Errors.h"
#include "model/Units.h"
#include "workflows/SeatAngleDesign.h"

namespace orvex {

namespace {

constexpr Extended kElectrodeStrength[4] = {4200, 4900, 5600, 7000};

std::size_t ChooseAngleTable(const TProfileLib& lib, const std::string& name) {
    for (std::size_t t = 0; t < lib.TableCount && t < kMaxTables; ++t) {
        if (lib.Tables[t].Kind != pkL)
            continue;
        if (name.empty() || lib.Tables[t].TableName == name)
            return t;
    }
    if (name.empty())
        throw Error("the section library has no angle table");
    throw Error("the section library has no angle table named \"" + name + "\"");
}

} // namespace

ConnectionRunResult RunConnection(const ConnectionJob& job, TProfileLib& lib) {
    ConnectionRunResult result;
    result.Mode = job.Mode;
    TConnectionSimple& connection = result.Connection;
    // The picker always chooses a section, whatever the run mode.
    BuildElement(job.Beam.Section, job.Beam.Material, rmAnalysis, lib, connection.Beam);
    BuildElement(job.Column.Section, job.Column.Material, rmAnalysis, lib, connection.Column);

    connection.Angle.P = ParseQuantity(job.P, qkForce);
    connection.FreeDis = ParseLength(job.FreeDis, "FreeDis");
    if (job.Electrode < 0 || job.Electrode > 3)
        throw Error("the electrode must be one of E60 xx, E70 xx, E80 xx, E100 xx");
    connection.Fexx = kElectrodeStrength[job.Electrode];
    connection.Fee = ParseQuantity(job.Quality, qkRatio);
    connection.Angle.Material.Fy = 2400;
    const std::size_t angleTable = ChooseAngleTable(lib, job.AngleTable);
    connection.Angle.ProfileName = FirstCharacters(lib.Tables[angleTable].TableName, kTableNameCapacity);
    const TElement& column = connection.Column;
    const Extended width = column.Kind == pk2I ? 2 * column.bf - 2 * column.tf : column.bf - 2 * column.tf;
    connection.Angle.L = RoundToDecimals(width, 0);

    try {
        if (job.Mode == rmDesign) {
            result.Found = DesignSeatAngleConnection(result.Log, connection, lib);
        } else {
            FindProfileTable(lib, connection.Angle.ProfileName);
            if (!job.Angle.empty() && !FindProfileByName(lib, job.Angle))
                throw Error("the table \"" + connection.Angle.ProfileName + "\" has no angle named \"" +
                            job.Angle + "\"");
            if (job.Angle.empty())
                lib.Tables[lib.CurrentTable].CurrentRow = 0;
            if (lib.Tables[lib.CurrentTable].RowCount == 0)
                throw Error("the table \"" + connection.Angle.ProfileName + "\" has no angles");
            ProfileToElement(lib, connection.Angle);
            connection.D = SeatAngleWeldSize(connection);
            CheckSeatAngleConnection(result.Log, connection);
            result.Found = true;
        }
    } catch (const ArithmeticError& e) {
        throw ArithmeticError("connection of beam " + connection.Beam.SectionName + ", column " +
                              connection.Column.SectionName + ", angle " + connection.Angle.SectionName +
                              ": " + e.what());
    }
    return result;
}

} // namespace orvex
