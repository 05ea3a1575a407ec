#include "design/BendingStress.h"

#include "design/Classification.h"
#include "design/LogWriter.h"
#include "model/CheckedMath.h"

namespace orvex {

namespace {

const char* const kWeakAxis = "خمش حول محور ضعيف";
const char* const kStrongAxis = "خمش حول محور قوي";
const char* const kSupportLength = "حد اكثر طول مهار نشده Lc = min(L1, L2) = ";
const char* const kBraced = "Lb <= Lc  ==> %s <= %s   ==>  با اتكاي جانبي است";
const char* const kUnbraced = "*Lb <= Lc  ==> %s <= %s    NOT ok.  ==>  بدون اتكاي جانبي است";
const char* const kWebSlender =
    "*كنترل جان مقطع تحت اثر فشار حاصل از خمش hw/tw <= 6370/Sqr(Fy)  ==> %s <= %s     NOT ok.";
const char* const kWebOk =
    "كنترل جان مقطع تحت اثر فشار حاصل از خمش : hw/tw <= 6370/Sqr(Fy)  ==> %s <= %s    OK.";
const char* const kDoubleCurvature = "انحناي مضاعف";
const char* const kSingleCurvature = "انحناي ساده";

constexpr Extended kCbLimit = 2.3L;

Extended FlangeArea(const TElement& element) {
    return element.bf * element.tf;
}

// 840000·Cb ÷ (L·d ÷ Af): lateral-torsional buckling resisted by the torsion of the section alone.
Extended FlangeTorsionStress(const TElement& element, Extended cb) {
    return Divide(840000 * cb, Divide(element.L * element.d, FlangeArea(element), "Ld/Af"),
                  "84*10^4*Cb/(Ld/Af)");
}

Extended WeakAxisBending(LogWriter& out, const TElement& element, const std::string& axis) {
    const Extended fy = element.Material.Fy;
    out.Add(kWeakAxis);
    switch (SectionClass(element)) {
    case scCompact: {
        const Extended fb = 0.75L * fy;
        out.AddValue({"Fb", axis, " = 0.75*Fy = "}, qkStress, fb);
        return fb;
    }
    case scNonCompact: {
        const Extended halfFlangeRatio = Divide(element.bf, 2 * element.tf, "bf/(2tf)");
        const Extended fb = fy * (1.075L - 0.0006L * SquareRoot(fy, "Sqr(Fy)") * halfFlangeRatio);
        out.AddValue({"Fb", axis, " = Fy[1.075-0.0006*Sqr(Fy)*bf/(2tf)] = "}, qkStress, fb);
        return fb;
    }
    case scSlender:
        break;
    }
    return 0;
}

Extended MomentGradientCoefficient(LogWriter& out, const TElement& element) {
    if (!element.ComputeCb) {
        out.AddValue({"Cb = "}, qkRatio, 1);
        return 1;
    }
    Extended cb = kCbLimit;
    if (element.M2x != 0) {
        const Extended ratio = Divide(element.M1x, element.M2x, "M1/M2");
        cb = 1.75L + 1.05L * element.CurvatureX * ratio + 0.3L * ratio * ratio;
    }
    if (cb >= kCbLimit)
        cb = kCbLimit;
    out.Add(element.CurvatureX == 1 ? kDoubleCurvature : kSingleCurvature);
    out.AddValue({"Cb = 1.75+1.05*M1/M2+0.3*(M1/M2)^2 <= 2.3   ==>  Cb = "}, qkRatio, cb);
    return cb;
}

// Lateral-torsional buckling of an I section from the slenderness L/rT of its compression flange.
Extended LateralTorsionalBending(LogWriter& out, const TElement& element, const std::string& axis,
                                 Extended hw, Extended cb) {
    const Extended fy = element.Material.Fy;
    const Extended cap = 0.6L * fy;
    const Extended flangeInertia = element.tf * element.bf * element.bf * element.bf / 12;
    const Extended rT = SquareRoot(
        Divide(flangeInertia, FlangeArea(element) + hw * element.tw / 3, "tf*bf^3/12/(bf*tf+hw*tw/3)"), "rT");
    out.AddValue({"rT = [(1/12)*tf*bf^3/(bf*tf+hw*tw/3)]^0.5 = "}, qkLength, rT);

    const Extended s = Divide(element.L, rT, "L/rT");
    const Extended lowerLimit = SquareRoot(Divide(7200000 * cb, fy, "72*10^5*Cb/Fy"), "Sqr(72*10^5*Cb/Fy)");
    const Extended upperLimit =
        SquareRoot(Divide(36000000 * cb, fy, "360*10^5*Cb/Fy"), "Sqr(360*10^5*Cb/Fy)");
    if (s < lowerLimit) {
        // The line states the upper limit, which holds as well.
        out.AddPattern("L/rT < Sqr(360*10^5*Cb/Fy)  ==>  %s < %s ", {{qkRatio, s}, {qkRatio, upperLimit}});
        out.AddValue({"Fb", axis, " = 0.6*Fy = "}, qkStress, cap);
        return cap;
    }

    Extended fb1 = 0;
    if (s <= upperLimit) {
        fb1 = fy * (2.0L / 3.0L - Divide(fy * s * s, 107500000 * cb, "Fy*(L/rT)^2/(1075*10^5*Cb)"));
        if (fb1 >= cap)
            fb1 = cap;
        out.AddPattern("Sqr(72*10^5*Cb/Fy) <= L/rT <= Sqr(360*10^5*Cb/Fy)  ==>  %s <= %s <= %s",
                       {{qkRatio, lowerLimit}, {qkRatio, s}, {qkRatio, upperLimit}});
        out.AddValue({"Fb", axis, "1 = Fy*[2/3-Fy*(L/rT)^2/(1075*10^5*Cb)] <= 0.6*Fy  ==>  Fb", axis, "1 = "},
                     qkStress, fb1);
    } else {
        fb1 = Divide(12000000 * cb, s * s, "120*10^5*Cb/(L/rT)^2");
        if (fb1 >= cap)
            fb1 = cap;
        out.AddPattern("L/rT > Sqr(360*10^5*Cb/Fy) ==>  %s > %s", {{qkRatio, s}, {qkRatio, upperLimit}});
        out.AddValue({"Fb", axis, "1 = 120*10^5*Cb/(L/rT)^2 <= 0.6*Fy  ==>  Fb", axis, "1 = "}, qkStress,
                     fb1);
    }

    const Extended fb2 = FlangeTorsionStress(element, cb);
    out.AddValue({"Fb", axis, "2 = 84*10^4*Cb/(Ld/Af)  ==>  Fb", axis, "2 = "}, qkStress, fb2);

    Extended fb = fb1 > fb2 ? fb1 : fb2;
    if (fb > cap)
        fb = cap;
    out.AddValue({"Fb", axis, " = min{max(Fb", axis, "1, Fb", axis, "2), 0.6*Fy}  ==>  Fb", axis, " = "},
                 qkStress, fb);
    return fb;
}

Extended StrongAxisBending(LogWriter& out, const TElement& element, const std::string& axis) {
    const Extended fy = element.Material.Fy;
    out.Add(kStrongAxis);
    const Extended l1 = Divide(635 * element.bf, SquareRoot(fy, "sqr(Fy)"), "635bf/sqr(Fy)");
    const Extended l2 =
        Divide(1400000, Divide(fy * element.d, FlangeArea(element), "Fy.d/Af"), "14*10^5/(Fy.d/Af)");
    const Extended lc = l1 < l2 ? l1 : l2;
    out.AddValue({"L1 = 635bf/sqr(Fy) = "}, qkLength, l1);
    out.AddValue({"L2 = 14*10^5/(Fy.d/Af) = "}, qkLength, l2);
    out.AddValue({kSupportLength}, qkLength, lc);

    if (element.Lbx <= lc) {
        out.AddPattern(kBraced, {{qkLength, element.Lbx}, {qkLength, lc}});
        switch (SectionClass(element)) {
        case scCompact:
            out.AddValue({"Fb", axis, " = 0.66*Fy = "}, qkStress, 0.66L * fy);
            return 0.66L * fy;
        case scNonCompact:
            out.AddValue({"Fb", axis, " = 0.6*Fy = "}, qkStress, 0.6L * fy);
            return 0.6L * fy;
        case scSlender:
            break;
        }
        return 0;
    }

    // Being unbraced is recorded as a failed limit, but the allowable stress is still computed.
    out.AddPattern(kUnbraced, {{qkLength, element.Lbx}, {qkLength, lc}});
    if (SectionClass(element) == scSlender)
        return 0;

    const Extended hw = element.d - 2 * element.tw;
    const Extended webRatio = Divide(hw, element.tw, "hw/tw");
    const Extended webLimit = Divide(6370, SquareRoot(fy, "Sqr(Fy)"), "6370/Sqr(Fy)");
    if (webRatio > webLimit) {
        out.AddPattern(kWebSlender, {{qkRatio, webRatio}, {qkRatio, webLimit}});
        return 0;
    }
    out.AddPattern(kWebOk, {{qkRatio, webRatio}, {qkRatio, webLimit}});

    const Extended cb = MomentGradientCoefficient(out, element);
    if (element.Kind == pkU) {
        Extended fb = FlangeTorsionStress(element, cb);
        if (fb > 0.6L * fy)
            fb = 0.6L * fy;
        out.AddValue({"Fb", axis, " = 840000*Cb/(Ld/Af) <= 0.6*Fy  ==>  Fb", axis, " = "}, qkStress, fb);
        return fb;
    }
    return LateralTorsionalBending(out, element, axis, hw, cb);
}

Extended FlangedBending(LogWriter& out, const TElement& element, const std::string& axis, bool weakAxis) {
    if (weakAxis)
        return WeakAxisBending(out, element, axis);
    return StrongAxisBending(out, element, axis);
}

Extended HollowBending(LogWriter& out, const TElement& element, const std::string& axis) {
    switch (SectionClass(element)) {
    case scCompact:
        out.AddValue({"Fb", axis, " = 0.66Fy = "}, qkStress, 0.66L * element.Material.Fy);
        return 0.66L * element.Material.Fy;
    case scNonCompact:
        out.AddValue({"Fb", axis, " = 0.6Fy = "}, qkStress, 0.6L * element.Material.Fy);
        return 0.6L * element.Material.Fy;
    case scSlender:
        break;
    }
    return 0;
}

} // namespace

Extended AllowableBendingStress(LogWriter& out, const TElement& element, const std::string& axis,
                                bool weakAxis) {
    switch (element.Kind) {
    case pkI:
    case pkU:
    case pk2I:
        return FlangedBending(out, element, axis, weakAxis);
    case pkBox:
    case pkPipe:
        return HollowBending(out, element, axis);
    case pkL:
    case pkT:
    case pkZ:
        break;
    }
    const Extended fb = 0.6L * element.Material.Fy;
    out.AddValue({"Fb", axis, " = 0.6Fy = "}, qkStress, fb);
    return fb;
}

Extended AllowableBendingStress(CalcLog& log, const TElement& element, const std::string& axis,
                                bool weakAxis) {
    LogWriter out(&log);
    return AllowableBendingStress(out, element, axis, weakAxis);
}

Extended FlangedAllowableBending(CalcLog& log, const TElement& element, const std::string& axis,
                                 bool weakAxis) {
    LogWriter out(&log);
    return FlangedBending(out, element, axis, weakAxis);
}

Extended HollowAllowableBending(CalcLog& log, const TElement& element, const std::string& axis) {
    LogWriter out(&log);
    return HollowBending(out, element, axis);
}

} // namespace orvex
