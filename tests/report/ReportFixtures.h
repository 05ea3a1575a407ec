#pragma once

// Small fabricated run results for the report tests: the report code only reads the element, the
// connection and the log lines, so none of this needs the engine or the section library.

#include "design/CalcLog.h"
#include "model/Records.h"
#include "report/Bitmap.h"
#include "workflows/RunTypes.h"

#include <memory>

namespace orvex::fixtures {

// A 64 × 64 picture of an I section, dark on white.
inline TPicture SectionPicture() {
    RgbImage image;
    image.Width = 64;
    image.Height = 64;
    image.Pixels.assign(64 * 64 * 3, 255);
    const auto fill = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                for (int c = 0; c < 3; ++c)
                    image.Pixels[static_cast<std::size_t>((y * 64 + x) * 3 + c)] = c == 2 ? 140 : 40;
    };
    fill(12, 6, 52, 12);  // top flange
    fill(29, 12, 35, 52); // web
    fill(12, 52, 52, 58); // bottom flange
    return std::make_shared<const std::vector<std::uint8_t>>(EncodeBitmap(image));
}

inline TElement IpeSection() {
    TElement e;
    e.ProfileName = "IPE";
    e.SectionName = "IPE300";
    e.Kind = pkI;
    e.IsRolled = true;
    e.Picture = SectionPicture();
    e.Material = {"St 37", 2400, 3700, 2100000};
    e.d = 30;
    e.bf = 15;
    e.tw = 0.71;
    e.tf = 1.07;
    e.r = 1.5;
    e.b = 7.5;
    e.h = 27.86;
    e.A = 53.8;
    e.Ix = 8356;
    e.Sx = 557;
    e.rx = 12.5;
    e.Iy = 604;
    e.Sy = 80.5;
    e.ry = 3.35;
    return e;
}

inline TElement AngleSection() {
    TElement e;
    e.ProfileName = "L";
    e.SectionName = "L100x100x10";
    e.Kind = pkL;
    e.IsRolled = true;
    e.Picture = SectionPicture();
    e.Material.Fy = 2400;
    e.d = 10;
    e.bf = 10;
    e.tw = 1;
    e.tf = 1;
    e.r = 1.2;
    e.A = 19.2;
    e.Ix = 177;
    e.Sx = 24.7;
    e.rx = 3.04;
    e.Iy = 177;
    e.Sy = 24.7;
    e.ry = 3.04;
    e.L = 26;
    e.P = 8000;
    return e;
}

// A heading of a log, in Persian between dashes.
inline const char* const kPersianHeading = "------------- كنترل تنشهاي خمشي تير ------------";

// A log with a heading, plain lines, an empty line and failed checks, one with a Persian remark.
inline CalcLog SampleLog(const std::string& heading, std::size_t extraLines = 0) {
    CalcLog log;
    log.Add(heading);
    log.Add("fbx = Mx/Sx = 807.899");
    log.AddEmpty();
    log.Add("*fv < Fv  ==>  1200 < 960   NOT ok.");
    log.AddPattern("*Lb <= Lc  ==>  %s <= %s   NOT ok.  بدون اتكاي جانبي است", {"240", "180.5"});
    for (std::size_t i = 0; i < extraLines; ++i)
        log.Add("Fa = 1180.412   fa/Fa = 0.421 < 1    OK.");
    log.Add("fbx < Fbx  ==>  807.899 < 1584   OK.");
    return log;
}

inline BeamRunResult BeamRun(TRunMode mode, bool found) {
    BeamRunResult run;
    run.Mode = mode;
    run.Found = found;
    run.Element = IpeSection();
    run.Element.L = 350;
    run.Element.Lbx = 150;
    run.Element.Mx = 450000;
    run.Element.My = 12000;
    run.Element.Vx = 6000;
    run.Element.Vy = 0;
    run.BendingLog = SampleLog(kPersianHeading);
    run.ShearLog = SampleLog("------------- shear ------------");
    return run;
}

inline ColumnRunResult ColumnRun(TRunMode mode, bool found, std::size_t extraLogLines = 0) {
    ColumnRunResult run;
    run.Mode = mode;
    run.Found = found;
    run.Element = IpeSection();
    run.Element.L = 350;
    run.Element.Lbx = 350;
    run.Element.Lby = 350;
    run.Element.P = 60000;
    run.Element.Mx = 450000;
    run.Element.My = 2500;
    run.Log = SampleLog("------------- column ------------", extraLogLines);
    return run;
}

inline ConnectionRunResult ConnectionRun(TRunMode mode, bool found) {
    ConnectionRunResult run;
    run.Mode = mode;
    run.Found = found;
    run.Connection.Angle = AngleSection();
    run.Connection.Beam = IpeSection();
    run.Connection.Beam.SectionName = "IPE220";
    run.Connection.Column = IpeSection();
    run.Connection.Column.SectionName = "2IPE180";
    run.Connection.Column.Kind = pk2I;
    run.Connection.FreeDis = 2;
    run.Connection.Fee = 0.75;
    run.Connection.Fexx = 4200;
    run.Connection.D = 0.8;
    run.Log = SampleLog("------------- seat ------------");
    return run;
}

} // namespace orvex::fixtures
