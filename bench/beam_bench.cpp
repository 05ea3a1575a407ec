#include "design/BeamChecks.h"
#include "design/BendingStress.h"
#include "library/ProfileLib.h"
#include "workflows/BeamDesign.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

using namespace orvex;

namespace {

// A family of compact rolled I sections growing row by row (b/tf = 8, h/tw = 45).
std::unique_ptr<TProfileLib> MakeLibrary(int rows) {
    auto lib = std::make_unique<TProfileLib>();
    lib->TableCount = 1;
    TSectionTable& table = lib->Tables[0];
    table.TableName = "GEN";
    table.Kind = pkI;
    table.ColCount = static_cast<std::uint8_t>(DefaultColumnNames.size());
    for (std::size_t c = 0; c < DefaultColumnNames.size(); ++c)
        table.ColNames[c] = DefaultColumnNames[c];
    const auto column = [&](const char* name) { return static_cast<std::size_t>(FindColumn(table, name)); };
    for (int i = 0; i < rows; ++i) {
        const double d = 10 + 0.6 * i;
        const double bf = 0.5 * d;
        const double tf = bf / 16;
        const double tw = d / 45;
        auto& v = table.Values[static_cast<std::size_t>(i)];
        v[column("d")] = d;
        v[column("bf")] = bf;
        v[column("tf")] = tf;
        v[column("tw")] = tw;
        v[column("r")] = 1;
        v[column("A")] = 2 * bf * tf + (d - 2 * tf) * tw;
        v[column("Sx")] = bf * tf * (d - tf) + tw * (d - 2 * tf) * (d - 2 * tf) / 6;
        v[column("Sy")] = tf * bf * bf / 3;
        table.RowNames[static_cast<std::size_t>(i)] = "GEN" + std::to_string(i);
    }
    table.RowCount = static_cast<std::uint8_t>(rows);
    return lib;
}

// A laterally unbraced beam, so each candidate runs the lateral-torsional steps.
TElement MakeBeam() {
    TElement e;
    e.ProfileName = "GEN";
    e.IsRolled = true;
    e.FlangeWebContinuous = true;
    e.Material = {"St 37", 2400, 3700, 2100000};
    e.L = e.Lbx = 400;
    e.ComputeCb = true;
    e.M1x = 100000;
    e.M2x = 200000;
    e.CurvatureX = -1;
    e.My = 2000;
    e.Vx = 2000;
    e.Vy = 200;
    return e;
}

// The moment that the row `row` just carries (no row before it does, as the rows grow).
Extended MomentCarriedBy(TProfileLib& lib, TElement beam, int row) {
    lib.Tables[0].CurrentRow = static_cast<std::uint8_t>(row);
    ProfileToElement(lib, beam);
    CalcLog scratch;
    const Extended fbx = AllowableBendingStress(scratch, beam, "x", false);
    const Extended fby = AllowableBendingStress(scratch, beam, "y", true);
    return 0.999L * fbx * beam.Sx * (1 - beam.My / beam.Sy / fby);
}

void BM_CheckBeamBending(benchmark::State& state) {
    auto lib = MakeLibrary(100);
    TElement beam = MakeBeam();
    beam.Mx = MomentCarriedBy(*lib, beam, 50);
    ProfileToElement(*lib, beam); // row 50, selected by MomentCarriedBy
    CalcLog log;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckBeamBending(log, beam));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CheckBeamBending);

// The verdict alone, as the search obtains it for each candidate.
void BM_BeamBendingPasses(benchmark::State& state) {
    auto lib = MakeLibrary(100);
    TElement beam = MakeBeam();
    beam.Mx = MomentCarriedBy(*lib, beam, 50);
    ProfileToElement(*lib, beam);
    for (auto _ : state)
        benchmark::DoNotOptimize(BeamBendingPasses(beam));
}
BENCHMARK(BM_BeamBendingPasses);

// Tables of `rows` rows in which only the last few rows pass.
void BM_DesignBeam(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    auto lib = MakeLibrary(rows);
    TElement beam = MakeBeam();
    beam.Mx = MomentCarriedBy(*lib, beam, rows - 3);
    CalcLog bending, shear;
    bool found = false;
    for (auto _ : state) {
        TElement element = beam;
        found = DesignBeam(bending, shear, element, *lib);
        benchmark::DoNotOptimize(element);
    }
    state.counters["found"] = found ? 1 : 0;
    state.counters["passing_row"] = lib->Tables[0].CurrentRow;
    state.SetItemsProcessed(state.iterations() * (lib->Tables[0].CurrentRow + 1));
}
BENCHMARK(BM_DesignBeam)->Arg(10)->Arg(50)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace
