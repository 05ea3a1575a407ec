#include "design/ColumnCheck.h"
#include "design/SeatAngle.h"
#include "library/ProfileLib.h"
#include "workflows/ColumnDesign.h"
#include "workflows/SeatAngleDesign.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

using namespace orvex;

namespace {

constexpr std::size_t kRows = 100;

void SetColumns(TSectionTable& table) {
    table.ColCount = static_cast<std::uint8_t>(DefaultColumnNames.size());
    for (std::size_t c = 0; c < DefaultColumnNames.size(); ++c)
        table.ColNames[c] = DefaultColumnNames[c];
}

void SetValue(TSectionTable& table, std::size_t row, const std::string& column, double value) {
    table.Values[row][static_cast<std::size_t>(FindColumn(table, column))] = value;
}

// An I section proportioned like a 300 mm rolled section, scaled by `s`.
void SetISection(TSectionTable& table, std::size_t row, double s) {
    table.RowNames[row] = "I" + std::to_string(row);
    SetValue(table, row, "d", 30 * s);
    SetValue(table, row, "bf", 15 * s);
    SetValue(table, row, "tw", 0.71 * s);
    SetValue(table, row, "tf", 1.07 * s);
    SetValue(table, row, "r", 1.5 * s);
    SetValue(table, row, "A", 53.8 * s * s);
    SetValue(table, row, "Sx", 557 * s * s * s);
    SetValue(table, row, "rx", 12.5 * s);
    SetValue(table, row, "Sy", 80.5 * s * s * s);
    SetValue(table, row, "ry", 3.35 * s);
}

// 99 sections too small for the loads, growing towards the one that passes in the last row.
std::unique_ptr<TProfileLib> ColumnLibrary() {
    auto lib = std::make_unique<TProfileLib>();
    lib->TableCount = 1;
    TSectionTable& table = lib->Tables[0];
    table.TableName = "I";
    table.Kind = pkI;
    SetColumns(table);
    table.RowCount = kRows;
    for (std::size_t row = 0; row + 1 < kRows; ++row)
        SetISection(table, row, 0.4 + 0.3 * static_cast<double>(row) / kRows);
    SetISection(table, kRows - 1, 1.0);
    return lib;
}

// 99 angles whose welds are too short, then one that passes.
std::unique_ptr<TProfileLib> AngleLibrary() {
    auto lib = std::make_unique<TProfileLib>();
    lib->TableCount = 1;
    TSectionTable& table = lib->Tables[0];
    table.TableName = "L";
    table.Kind = pkL;
    SetColumns(table);
    table.RowCount = kRows;
    for (std::size_t row = 0; row < kRows; ++row) {
        const double leg = row + 1 < kRows ? 6 + 4 * static_cast<double>(row) / kRows : 15;
        const double t = leg / 10;
        table.RowNames[row] = "L" + std::to_string(row);
        SetValue(table, row, "d", leg);
        SetValue(table, row, "bf", leg);
        SetValue(table, row, "tf", t);
        SetValue(table, row, "tw", t);
        SetValue(table, row, "r", 1.2);
    }
    return lib;
}

TElement Column() {
    TElement e;
    e.ProfileName = "I";
    e.Kind = pkI;
    e.IsRolled = true;
    e.FlangeWebContinuous = true;
    e.Material = {"St 37", 2400, 3700, 2100000};
    e.L = 300;
    e.Lbx = 150;
    e.Lby = 150;
    e.P = 30000;
    e.Mx = 300000;
    e.My = 10000;
    e.Kx = e.Ky = 1;
    e.M1x = 150000;
    e.M2x = 300000;
    e.CurvatureX = 1;
    e.TransverseLoadY = true;
    e.CmCaseY = 6;
    return e;
}

TConnectionSimple Connection() {
    TConnectionSimple c;
    c.Beam.Kind = pkI;
    c.Beam.d = 30;
    c.Beam.tf = 1.07;
    c.Beam.tw = 0.71;
    c.Beam.r = 1.5;
    c.Beam.Material = {"St 37", 2400, 3700, 2100000};
    c.Angle.ProfileName = "L";
    c.Angle.L = 26;
    c.Angle.P = 8000;
    c.Angle.Material.Fy = 2400;
    c.FreeDis = 2;
    c.Fee = 0.75;
    c.Fexx = 4200;
    return c;
}

void BM_CheckColumnStresses(benchmark::State& state) {
    const auto lib = ColumnLibrary();
    lib->Tables[0].CurrentRow = kRows - 1;
    TElement element = Column();
    ProfileToElement(*lib, element);
    CalcLog log;
    for (auto _ : state) {
        const bool passed = CheckColumnStresses(log, element);
        benchmark::DoNotOptimize(passed);
    }
}
BENCHMARK(BM_CheckColumnStresses)->Unit(benchmark::kMicrosecond);

void BM_DesignColumn(benchmark::State& state) {
    const auto lib = ColumnLibrary();
    CalcLog log;
    for (auto _ : state) {
        TElement element = Column();
        if (!DesignColumn(log, element, *lib) || element.SectionName != "I99")
            throw std::logic_error("the generated table should pass on its last row");
        benchmark::DoNotOptimize(element);
    }
}
BENCHMARK(BM_DesignColumn)->Unit(benchmark::kMicrosecond);

void BM_DesignSeatAngleConnection(benchmark::State& state) {
    const auto lib = AngleLibrary();
    CalcLog log;
    for (auto _ : state) {
        TConnectionSimple connection = Connection();
        if (!DesignSeatAngleConnection(log, connection, *lib) || connection.Angle.SectionName != "L99")
            throw std::logic_error("the generated table should pass on its last row");
        benchmark::DoNotOptimize(connection);
    }
}
BENCHMARK(BM_DesignSeatAngleConnection)->Unit(benchmark::kMicrosecond);

} // namespace
