#include "design/BeamChecks.h"

#include "design/BendingStress.h"
#include "design/Classification.h"
#include "design/LogWriter.h"
#include "model/CheckedMath.h"

#include <cmath>

namespace orvex {

namespace {

const char* const kCompactnessHeading = "------------ كنترل فشردگي مقطع تير ------------";
const char* const kAxisXHeading = "--------- x محاسبه تنش مجاز حول محور  ---------";
const char* const kAxisYHeading = "--------- y محاسبه تنش مجاز حول محور  ---------";
const char* const kBendingHeading = "------------- كنترل تنشهاي خمشي تير ------------";
const char* const kShearHeading = "---------------- كنترل تنش برشي --------------";

void AddHeading(LogWriter& out, const char* heading) {
    out.AddEmpty();
    out.Add(heading);
    out.AddEmpty();
}

// The section values the bending formulas read for this kind: the moduli, the ratios of the
// classification and the flange and depth of the lateral support rules. A table lacking a column
// gives -1 there, which would otherwise produce an infinity or a plausible but wrong verdict.
void RequireBendingValues(const TElement& element) {
    RequirePositive(element.Material.Fy, "Fy");
    RequirePositive(element.Sx, "Sx");
    RequirePositive(element.Sy, "Sy");
    switch (element.Kind) {
    case pkI:
    case pkU:
    case pk2I:
        RequirePositive(element.d, "d");
        RequirePositive(element.bf, "bf");
        RequirePositive(element.tf, "tf");
        RequirePositive(element.tw, "tw");
        RequirePositive(element.b, "b");
        RequirePositive(element.h, "h");
        RequirePositive(element.A, "A");
        return;
    case pkBox:
        RequirePositive(element.d, "d");
        RequirePositive(element.tf, "tf");
        RequirePositive(element.tw, "tw");
        RequirePositive(element.b, "b");
        RequirePositive(element.h, "h");
        RequirePositive(element.A, "A");
        return;
    case pkPipe:
        RequirePositive(element.d, "d");
        RequirePositive(element.tw, "tw");
        return;
    case pkT:
        RequirePositive(element.tf, "tf");
        RequirePositive(element.tw, "tw");
        RequirePositive(element.b, "b");
        RequirePositive(element.h, "h");
        RequirePositive(element.A, "A");
        return;
    case pkL:
        RequirePositive(element.tw, "tw");
        RequirePositive(element.h, "h");
        return;
    case pkZ:
        return;
    }
}

// The values the shear formulas read: the web and flange areas (or the whole area of a pipe) and
// the clear web height d - (tf + r), which every kind computes. A root radius of 0 is normal for
// welded sections; so is a flange thickness of 0 where no flange area is used.
void RequireShearValues(const TElement& element) {
    RequirePositive(element.Material.Fy, "Fy");
    RequirePositive(element.d, "d");
    RequirePositive(element.tw, "tw");
    const bool flangeAreaUsed = element.Kind == pkI || element.Kind == pkU || element.Kind == pkZ ||
                                element.Kind == pkL || element.Kind == pkT || element.Kind == pkBox ||
                                element.Kind == pk2I;
    if (flangeAreaUsed) {
        RequirePositive(element.bf, "bf");
        RequirePositive(element.tf, "tf");
    } else {
        RequireNonNegative(element.tf, "tf");
    }
    RequireNonNegative(element.r, "r");
    if (element.Kind == pkPipe)
        RequirePositive(element.A, "A");
}

struct ShearStresses {
    Extended fvx = 0;
    Extended fvy = 0;
};

ShearStresses ComputeShearStresses(LogWriter& out, const TElement& element) {
    ShearStresses s;
    switch (element.Kind) {
    case pkI:
    case pkU:
    case pkZ:
        s.fvx = Divide(element.Vx, element.d * element.tw, "Vx/(d*tw)");
        s.fvy = Divide(element.Vy, 2 * element.bf * element.tf, "Vy/(2*bf*tf)");
        out.AddValue({"fvx = Vx/(d*tw) = "}, qkStress, s.fvx);
        out.AddValue({"fvy = Vy/(2*bf*tf) = "}, qkStress, s.fvy);
        break;
    case pkL:
    case pkT:
        s.fvx = Divide(element.Vx, element.d * element.tw, "Vx/(d*tw)");
        s.fvy = Divide(element.Vy, element.bf * element.tf, "Vy/(bf*tf)");
        out.AddValue({"fvx = Vx/(d*tw)  = "}, qkStress, s.fvx);
        out.AddValue({"fvy = Vy/(bf*tf) = "}, qkStress, s.fvy);
        break;
    case pkBox:
    case pk2I:
        s.fvx = Divide(element.Vx, 2 * element.d * element.tw, "Vx/(2*d*tw)");
        s.fvy = Divide(element.Vy, 2 * element.bf * element.tf, "Vy/(2*bf*tf)");
        out.AddValue({"fvx = Vx/(2*d*tw)  = "}, qkStress, s.fvx);
        out.AddValue({"fvy = Vy/(2*bf*tf) = "}, qkStress, s.fvy);
        break;
    case pkPipe:
        s.fvx = Divide(element.Vx, element.A, "Vx/A");
        s.fvy = Divide(element.Vy, element.A, "Vy/A");
        out.AddValue({"fvx = Vx/A = "}, qkStress, s.fvx);
        out.AddValue({"fvy = Vy/A = "}, qkStress, s.fvy);
        break;
    }
    return s;
}

// A load's sign only tells which way it acts; the allowable stresses hold for either direction,
// so the ratios are summed by magnitude (a negative ratio would offset the other axis).
Extended InteractionSum(Extended stressX, Extended allowableX, Extended stressY, Extended allowableY,
                        const char* what) {
    return std::fabs(Divide(stressX, allowableX, what)) + std::fabs(Divide(stressY, allowableY, what));
}

Extended ShearAllowable(LogWriter& out, const TElement& element) {
    const Extended fy = element.Material.Fy;
    const bool singleFlange = element.Kind == pkL || element.Kind == pkT;
    const Extended hw =
        singleFlange ? element.d - (element.tf + element.r) : element.d - 2 * (element.tf + element.r);
    const Extended webRatio = Divide(hw, element.tw, "hw/tw");
    const Extended limit = Divide(3185, SquareRoot(fy, "Sqr(Fy)"), "3185/Sqr(Fy)");
    if (webRatio > limit) {
        out.AddPattern("*hw/tw <= 3185/Sqr(Fy)  ==>  %s <= %s     NOT ok.",
                       {{qkRatio, webRatio}, {qkRatio, limit}});
        out.Add("Fv must be computed....");
        return 0;
    }
    out.AddPattern("hw/tw <= 3185/Sqr(Fy)  ==>  %s <= %s:", {{qkRatio, webRatio}, {qkRatio, limit}});
    const Extended fv = 0.4L * fy;
    out.AddValue({"Fv = 0.4*Fy  ==>  Fv = "}, qkStress, fv);
    return fv;
}

bool ShearVerdict(LogWriter& out, const TElement& element) {
    RequireShearValues(element);
    const ShearStresses stresses = ComputeShearStresses(out, element);
    AddHeading(out, kShearHeading);
    const Extended fv = ShearAllowable(out, element);
    if (fv == 0)
        return false;
    const Extended sum = InteractionSum(stresses.fvx, fv, stresses.fvy, fv, "fv/Fv");
    if (sum > 1) {
        out.AddPattern("*fvx/Fv + fvy/Fv <= 1   ==>   %s <= 1     NOT ok.", {{qkRatio, sum}});
        return false;
    }
    out.AddPattern("fvx/Fv + fvy/Fv <= 1   ==>   %s <= 1     OK.", {{qkRatio, sum}});
    return true;
}

bool BendingVerdict(LogWriter& out, const TElement& element) {
    RequireBendingValues(element);
    const Extended fbx = Divide(element.Mx, element.Sx, "Mx/Sx");
    const Extended fby = Divide(element.My, element.Sy, "My/Sy");
    out.AddValue({"fbx = Mx/Sx = "}, qkStress, fbx);
    out.AddValue({"fby = My/Sy = "}, qkStress, fby);

    AddHeading(out, kCompactnessHeading);
    if (ClassifySection(out, element) == scSlender)
        return false;

    AddHeading(out, kAxisXHeading);
    const Extended allowableX = AllowableBendingStress(out, element, "x", element.Sx < element.Sy);
    if (allowableX == 0)
        return false;

    AddHeading(out, kAxisYHeading);
    const Extended allowableY = AllowableBendingStress(out, element, "y", element.Sx > element.Sy);
    if (allowableY == 0)
        return false;

    AddHeading(out, kBendingHeading);
    const Extended sum = InteractionSum(fbx, allowableX, fby, allowableY, "fb/Fb");
    if (sum > 1) {
        out.AddPattern("*fbx/Fbx + fby/Fby <= 1   ==>   %s <= 1     NOT ok.", {{qkRatio, sum}});
        return false;
    }
    out.AddPattern("fbx/Fbx + fby/Fby <= 1   ==>   %s <= 1     OK.", {{qkRatio, sum}});
    return true;
}

} // namespace

Extended AllowableShearStress(CalcLog& log, const TElement& element) {
    LogWriter out(&log);
    return ShearAllowable(out, element);
}

bool CheckBeamShear(CalcLog& log, const TElement& element) {
    log.Clear();
    LogWriter out(&log);
    return ShearVerdict(out, element);
}

bool CheckBeamBending(CalcLog& log, const TElement& element) {
    log.Clear();
    LogWriter out(&log);
    return BendingVerdict(out, element);
}

bool BeamShearPasses(const TElement& element) {
    LogWriter quiet;
    return ShearVerdict(quiet, element);
}

bool BeamBendingPasses(const TElement& element) {
    LogWriter quiet;
    return BendingVerdict(quiet, element);
}

} // namespace orvex
