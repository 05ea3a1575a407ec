#include "design/AxialStress.h"

#include "design/ValueNames.h"
#include "model/CheckedMath.h"

namespace orvex {

namespace {

constexpr Extended kTwoPiSquared = 19.739208802178717L;

} // namespace

Extended ColumnAllowableAxialStress(LogWriter& out, const TElement& element) {
    RequirePositive(element.rx, SectionValueName(element, "rx"));
    RequirePositive(element.ry, SectionValueName(element, "ry"));
    RequirePositive(element.Material.Fy, MaterialValueName(element, "Fy"));
    RequirePositive(element.Material.E, MaterialValueName(element, "E"));
    const Extended Fy = element.Material.Fy;
    const Extended E = element.Material.E;

    const Extended landaX = Divide(element.Kx * element.Lbx, element.rx, "landaX = Kx*Lbx/rx");
    const Extended landaY = Divide(element.Ky * element.Lby, element.ry, "landaY = Ky*Lby/ry");
    const Extended landa = landaY >= landaX ? landaY : landaX;
    const Extended Cc =
        SquareRoot(Divide(kTwoPiSquared * E, Fy, "Cc = Sqrt(2Pi^2.Es/Fy)"), "Cc = Sqrt(2Pi^2.Es/Fy)");

    out.AddValue({"Kx = "}, qkRatio, element.Kx);
    out.AddValue({"Ky = "}, qkRatio, element.Ky);
    out.AddValue({"landaX = "}, qkRatio, landaX);
    out.AddValue({"landaY = "}, qkRatio, landaY);
    out.AddValue({"landa(max) = Max(landaX, landaY) = "}, qkRatio, landa);
    out.AddValue({"لاغري مرز بين كمانش ارتجاعي و غير ارتجاعي Cc = 2Pi^2.Es/Fy = "}, qkRatio, Cc);

    if (landa < Cc) {
        out.AddPattern("landa < Cc  ==>  %s < %s", {{qkRatio, landa}, {qkRatio, Cc}});
        const Extended rho = Divide(landa, Cc, "landa/Cc");
        // 1.67 rather than 5/3, and the square of landa/Cc, as the printed formula states.
        const Extended FS = 1.67L + 0.375L * rho - 0.125L * rho * rho;
        out.AddValue({"FS = 1.67 + 0.375*landa/Cc - 0.125(landa/Cc)^2 = "}, qkRatio, FS);
        const Extended Fa = Divide((1 - 0.5L * rho * rho) * Fy, FS, "Fa = [1-0.5*(landa/Cc)^2]*Fy/FS");
        out.AddValue({"Fa = [1-0.5*(landa/Cc)^2]*Fy/FS = "}, qkStress, Fa);
        return Fa;
    }
    const Extended Fa = Divide(kTwelvePiSquared * E, 23 * landa * landa, "Fa = (12/23)Pi^2.Es/landa^2");
    out.AddPattern("landa > Cc  ==>  %s > %s", {{qkRatio, landa}, {qkRatio, Cc}});
    out.AddValue({"Fa = (12/23)Pi^2.Es/landa^2 = "}, qkStress, Fa);
    return Fa;
}

Extended ColumnAllowableAxialStress(CalcLog& log, const TElement& element) {
    LogWriter out(&log);
    return ColumnAllowableAxialStress(out, element);
}

} // namespace orvex
