#include "design/SeatAngle.h"

#include "design/ValueNames.h"
#include "model/CheckedMath.h"

namespace orvex {

namespace {

// Validates what the formulas read before any of them runs, so a malformed row ends the run with
// the name of the bad value instead of a nonsense verdict.
void RequireConnectionValues(const TConnectionSimple& connection) {
    const TElement& beam = connection.Beam;
    const TElement& angle = connection.Angle;
    RequirePositive(beam.Material.Fy, MaterialValueName(beam, "Fy"));
    RequirePositive(beam.d, SectionValueName(beam, "d"));
    RequirePositive(beam.tf, SectionValueName(beam, "tf"));
    RequirePositive(beam.tw, SectionValueName(beam, "tw"));
    RequireNonNegative(beam.r, SectionValueName(beam, "r"));
    RequireNonNegative(angle.bf, SectionValueName(angle, "bf"));
    RequirePositive(angle.d, SectionValueName(angle, "d"));
    RequirePositive(angle.tf, SectionValueName(angle, "tf"));
    RequirePositive(angle.L, "the seat angle length L");
    RequireNonNegative(angle.Material.Fy, "Fy of the seat angle");
    RequireNonNegative(connection.FreeDis, "the erection clearance FreeDis");
    RequireNonNegative(connection.Fee, "the weld quality factor Fee");
    RequireNonNegative(connection.Fexx, "the electrode strength Fexx");
    RequireNonNegative(connection.D, "the weld size D");
}

} // namespace

Extended MaxFilletWeldSize(Extended t1, Extended t2) {
    const Extended t = t1 < t2 ? t1 : t2;
    return t <= 0.6L ? t : t - 0.2L;
}

Extended SeatAngleStartingLength(const TConnectionSimple& connection) {
    const TElement& beam = connection.Beam;
    RequirePositive(beam.Material.Fy, MaterialValueName(beam, "Fy"));
    RequirePositive(beam.tw, SectionValueName(beam, "tw"));
    const Extended P = connection.Angle.P;
    const Extended Fyb = beam.Material.Fy;
    const Extended k = beam.tf + beam.r;
    Extended N1 = Divide(P, 0.66L * Fyb * beam.tw, "N1 = P/(0.66Fy.tw) - 2.5k") - 2.5L * k;
    if (k >= N1)
        N1 = k;
    const Extended N2 = Divide(P, 0.75L * Fyb * beam.tw, "N2 = P/(0.75Fy.tw) - k") - k;
    return N1 >= N2 ? N1 : N2;
}

namespace {

bool SeatAngleVerdict(LogWriter& out, const TConnectionSimple& connection) {
    RequireConnectionValues(connection);
    const TElement& beam = connection.Beam;
    const TElement& angle = connection.Angle;
    const Extended P = angle.P;
    const Extended Fyb = beam.Material.Fy;
    bool result = true;

    // Local web yielding: the bearing length the reaction needs against what the angle offers.
    const Extended k = beam.tf + beam.r;
    Extended Nreq = Divide(P, 0.66L * Fyb, "Nreq = P/(0.66Fy) - 2.5k") - 2.5L * k;
    if (k >= Nreq)
        Nreq = k;
    const Extended N = angle.bf - connection.FreeDis;
    const Extended ef = Nreq / 2 + connection.FreeDis;

    // Web crippling; a double I section bears on both webs.
    const Extended tw = beam.Kind == pk2I ? 2 * beam.tw : beam.tw;
    const Extended Pmax =
        285 * tw * tw *
        (1 + 3 * Divide(N, beam.d, "N/d") * Power(Divide(tw, beam.tf, "tw/tf"), 1.5L, "(tw/tf)^1.5")) *
        SquareRoot(Divide(Fyb * beam.tf, tw, "Fyw.tf/tw"), "Sqrt(Fyw.tf/tw)");

    out.AddEmpty();
    out.Add("---- كنترل لهيدگي و تسليم موضعي جان تير ----");
    out.AddEmpty();
    out.AddValue({"k = tf + r = "}, qkLength, k);
    out.AddValue({"N = bf - FreeDis = "}, qkLength, N);
    out.AddValue({"Nreq = P/(0.66Fy) - 2.5k  >  k  ==>  Nreq = "}, qkLength, Nreq);
    out.AddEmpty();
    if (Nreq < N) {
        out.AddPattern("Nreq < N  ==>  %s < %s   OK.", {{qkLength, Nreq}, {qkLength, N}});
    } else {
        result = false;
        out.AddPattern("*Nreq < N  ==>  %s < %s   NOT ok.", {{qkLength, Nreq}, {qkLength, N}});
    }
    out.AddEmpty();
    out.AddValue({"Pmax = 285*tw^2 * [1+3(N/d)*(tw/tf)^1.5] * Sqrt(Fyw.tf/tw) = "}, qkForce, Pmax);
    out.AddEmpty();
    if (P < Pmax) {
        out.AddPattern("P < Pmax  ==>  %s < %s   OK.", {{qkForce, P}, {qkForce, Pmax}});
    } else {
        result = false;
        out.AddPattern("*P < Pmax  ==>  %s < %s   NOT ok.", {{qkForce, P}, {qkForce, Pmax}});
    }

    // Shear in the angle across its length.
    const Extended fv = Divide(P, angle.L * angle.tf, "fv = P/(L*t)");
    const Extended Fv = 0.4L * angle.Material.Fy;
    out.AddEmpty();
    out.Add("---------- كنترل تنش برشي در نبشي ----------");
    out.AddEmpty();
    out.AddValue({"fv = P/(L*t) = "}, qkStress, fv);
    out.AddValue({"Fv = 0.4Fy = "}, qkStress, Fv);
    if (fv > Fv) {
        result = false;
        out.AddPattern("*fv < Fv  ==>  %s < %s   NOT ok.", {{qkStress, fv}, {qkStress, Fv}});
    } else {
        out.AddPattern("fv < Fv  ==>  %s < %s   OK.", {{qkStress, fv}, {qkStress, Fv}});
    }

    // The two vertical welds carry the reaction at the eccentricity ef.
    const Extended Rw = 0.3L * connection.Fexx * connection.Fee * 0.707L * connection.D;
    const Extended d = angle.d;
    const Extended fr = Divide(P, 2 * d * d, "fr = P/(2*d^2)*Sqrt(d^2+20.25*ef^2)") *
                        SquareRoot(d * d + 20.25L * ef * ef, "Sqrt(d^2+20.25*ef^2)");
    out.AddEmpty();
    out.Add("-------- كنترل تنش هاي وارده به جوش -------");
    out.AddEmpty();
    out.AddValue({"Rw = Fee*(0.3*Fu)*0.707*D = "}, qkForcePerLength, Rw);
    out.AddValue({"fr = P/(2*d^2)*Sqrt(d^2+20.25*ef^2) = "}, qkForcePerLength, fr);
    if (Rw >= fr) {
        out.AddPattern("fr < Rw  ==>  %s < %s   OK.", {{qkForcePerLength, fr}, {qkForcePerLength, Rw}});
    } else {
        result = false;
        out.AddPattern("*fr < Rw  ==>  %s < %s   NOT ok.", {{qkForcePerLength, fr}, {qkForcePerLength, Rw}});
    }
    return result;
}

} // namespace

bool CheckSeatAngleConnection(CalcLog& log, const TConnectionSimple& connection) {
    log.Clear();
    LogWriter out(&log);
    return SeatAngleVerdict(out, connection);
}

bool SeatAngleConnectionPasses(const TConnectionSimple& connection) {
    LogWriter quiet;
    return SeatAngleVerdict(quiet, connection);
}

} // namespace orvex
