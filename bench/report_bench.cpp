// Building the report of a column analysis and writing it as RTF, the section picture included,
// for logs of a few lengths (a real column check writes well under a hundred lines).

#include "report/Bitmap.h"
#include "report/RtfWriter.h"
#include "workflows/ColumnReport.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace orvex;

namespace {

TPicture SectionPicture() {
    RgbImage image;
    image.Width = 64;
    image.Height = 64;
    image.Pixels.assign(64 * 64 * 3, 255);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const bool flange = (y >= 6 && y < 12) || (y >= 52 && y < 58);
            const bool web = x >= 29 && x < 35;
            if ((flange && x >= 12 && x < 52) || (web && y >= 6 && y < 58))
                for (int c = 0; c < 3; ++c)
                    image.Pixels[static_cast<std::size_t>((y * 64 + x) * 3 + c)] =
                        static_cast<std::uint8_t>(40 + c * 50);
        }
    return std::make_shared<const std::vector<std::uint8_t>>(EncodeBitmap(image));
}

ColumnRunResult ColumnAnalysis(int logLines) {
    ColumnRunResult run;
    run.Mode = rmAnalysis;
    run.Found = true;
    TElement& e = run.Element;
    e.SectionName = "2IPE300";
    e.Picture = SectionPicture();
    e.Material = {"St 37", 2400, 3700, 2100000};
    e.d = 30, e.bf = 15, e.tw = 0.71, e.tf = 1.07, e.r = 1.5, e.b = 7.5, e.h = 27.86;
    e.A = 107.6, e.Ix = 16712, e.Sx = 1114, e.rx = 12.5, e.Iy = 5300, e.Sy = 353, e.ry = 7.02;
    e.L = 350, e.P = 60000, e.Mx = 450000, e.My = 2500;
    // headings, plain lines with Persian remarks, failed checks and spacers, as a column log mixes them
    const char* const lines[] = {
        "------------- \xD9\x83\xD9\x86\xD8\xAA\xD8\xB1\xD9\x84 \xD8\xB3\xD8\xAA\xD9\x88\xD9\x86 "
        "------------",
        "fa = P/A = 557.621",
        "KxLx/rx = 28  KyLy/ry = 49.858",
        "*fa/Fa + Cmx.fbx/((1-fa/F'ex).Fbx) <= 1  ==>  1.032 <= 1    NOT ok.",
        "",
        "Cc = Sqrt(2.Pi^2.E/Fy) = 131.345   \xD8\xA8\xD9\x86\xD8\xA7\xD8\xA8\xD8\xB1\xD8\xA7\xD9\x8A\xD9\x86",
    };
    for (int i = 0; i < logLines; ++i)
        run.Log.Add(lines[i % 6]);
    return run;
}

void BM_ColumnAnalysisReportToRtf(benchmark::State& state) {
    const ColumnRunResult run = ColumnAnalysis(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const ReportInfo report = BuildColumnReport(run);
        const std::string rtf = WriteRtf(report.Document);
        bytes = rtf.size();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.counters["rtf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ColumnAnalysisReportToRtf)->Arg(60)->Arg(200)->Arg(800)->Unit(benchmark::kMicrosecond);

} // namespace
