#include "SectionGeometry.h"

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace orvex::datacheck {
namespace {

using Point = std::pair<double, double>;

// Area and first and second moments about the coordinate axes, summed over pieces that are
// added or taken away.
class MomentSum {
  public:
    // A simple polygon, either orientation (shoelace formulas).
    void AddPolygon(const std::vector<Point>& points, double sign = 1) {
        double area = 0, mx = 0, my = 0, ixx = 0, iyy = 0;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const auto [x0, y0] = points[i];
            const auto [x1, y1] = points[(i + 1) % points.size()];
            const double cross = x0 * y1 - x1 * y0;
            area += cross;
            mx += (x0 + x1) * cross;
            my += (y0 + y1) * cross;
            iyy += (x0 * x0 + x0 * x1 + x1 * x1) * cross;
            ixx += (y0 * y0 + y0 * y1 + y1 * y1) * cross;
        }
        const double orientation = area < 0 ? -sign : sign;
        area_ += orientation * area / 2;
        mx_ += orientation * mx / 6;
        my_ += orientation * my / 6;
        ixx_ += orientation * ixx / 12;
        iyy_ += orientation * iyy / 12;
    }

    // The region between a square corner at (x, y) and a quarter circle of radius r touching
    // both sides, lying towards (dx, dy) (each +1 or -1) from the corner: a root fillet adds it,
    // a toe rounding or a rounded outer corner takes it away. At a corner whose sides are not
    // quite square (a sloping flange face) it is an approximation of second order.
    void AddSpandrel(double x, double y, double r, double dx, double dy, double sign = 1) {
        if (r <= 0)
            return;
        const double pi = std::numbers::pi;
        const double area = (1 - pi / 4) * r * r;
        const double offset = r * (10 - 3 * pi) / (12 - 3 * pi);
        const double own = r * r * r * r * (1 - 5 * pi / 16) - area * offset * offset;
        const double cx = x + dx * offset;
        const double cy = y + dy * offset;
        area_ += sign * area;
        mx_ += sign * area * cx;
        my_ += sign * area * cy;
        ixx_ += sign * (own + area * cy * cy);
        iyy_ += sign * (own + area * cx * cx);
    }

    SectionProperties Properties() const {
        SectionProperties p;
        p.A = area_;
        if (area_ <= 0)
            return p;
        p.xc = mx_ / area_;
        p.yc = my_ / area_;
        p.Ix = ixx_ - area_ * p.yc * p.yc;
        p.Iy = iyy_ - area_ * p.xc * p.xc;
        return p;
    }

  private:
    double area_ = 0, mx_ = 0, my_ = 0, ixx_ = 0, iyy_ = 0;
};

void AddRoundedRectangle(MomentSum& sum, double width, double height, double radius, double sign) {
    const double x = width / 2, y = height / 2;
    sum.AddPolygon({{-x, -y}, {x, -y}, {x, y}, {-x, y}}, sign);
    for (const double sx : {-1.0, 1.0})
        for (const double sy : {-1.0, 1.0})
            sum.AddSpandrel(sx * x, sy * y, radius, -sx, -sy, -sign);
}

} // namespace

SectionProperties ISection(double d, double bf, double tw, double tf, double r, double r2, double slope,
                           double tfFromWeb) {
    const double outstand = (bf - tw) / 2;
    const double root = tf + slope * tfFromWeb;
    const double tip = tf - slope * (outstand - tfFromWeb);
    const double h = d / 2, b = bf / 2, w = tw / 2;
    MomentSum sum;
    sum.AddPolygon({{-b, -h},
                    {b, -h},
                    {b, -h + tip},
                    {w, -h + root},
                    {w, h - root},
                    {b, h - tip},
                    {b, h},
                    {-b, h},
                    {-b, h - tip},
                    {-w, h - root},
                    {-w, -h + root},
                    {-b, -h + tip}});
    for (const double sx : {-1.0, 1.0}) {
        for (const double sy : {-1.0, 1.0}) {
            sum.AddSpandrel(sx * w, sy * (h - root), r, sx, -sy);
            sum.AddSpandrel(sx * b, sy * (h - tip), r2, -sx, sy, -1);
        }
    }
    return sum.Properties();
}

SectionProperties Channel(double d, double bf, double tw, double tf, double r, double r2, double slope) {
    const double tfFromWeb = bf / 2 - tw;
    const double root = tf + slope * tfFromWeb;
    const double tip = tf - slope * (bf - tw - tfFromWeb);
    const double h = d / 2;
    MomentSum sum;
    sum.AddPolygon(
        {{0, -h}, {bf, -h}, {bf, -h + tip}, {tw, -h + root}, {tw, h - root}, {bf, h - tip}, {bf, h}, {0, h}});
    for (const double sy : {-1.0, 1.0}) {
        sum.AddSpandrel(tw, sy * (h - root), r, 1, -sy);
        sum.AddSpandrel(bf, sy * (h - tip), r2, -1, sy, -1);
    }
    return sum.Properties();
}

SectionProperties Angle(double d, double bf, double t, double r, double r2) {
    MomentSum sum;
    sum.AddPolygon({{0, 0}, {bf, 0}, {bf, t}, {t, t}, {t, d}, {0, d}});
    sum.AddSpandrel(t, t, r, 1, 1);
    sum.AddSpandrel(bf, t, r2, -1, -1, -1);
    sum.AddSpandrel(t, d, r2, -1, -1, -1);
    return sum.Properties();
}

SectionProperties Tee(double d, double bf, double tw, double tf, double r) {
    const double b = bf / 2, w = tw / 2, inner = d - tf;
    MomentSum sum;
    sum.AddPolygon({{-w, 0}, {w, 0}, {w, inner}, {b, inner}, {b, d}, {-b, d}, {-b, inner}, {-w, inner}});
    for (const double sx : {-1.0, 1.0})
        sum.AddSpandrel(sx * w, inner, r, sx, -1);
    return sum.Properties();
}

SectionProperties DoubleAngle(double leg, double t, double r, double r2, double gap) {
    const SectionProperties one = Angle(leg, leg, t, r, r2);
    const double arm = gap / 2 + one.xc;
    SectionProperties pair;
    pair.A = 2 * one.A;
    pair.Ix = 2 * one.Ix;
    pair.Iy = 2 * (one.Iy + one.A * arm * arm);
    pair.xc = 0;
    pair.yc = one.yc;
    return pair;
}

SectionProperties RectangularHollow(double d, double bf, double t, double outerRadius, double innerRadius) {
    MomentSum sum;
    AddRoundedRectangle(sum, bf, d, outerRadius, 1);
    AddRoundedRectangle(sum, bf - 2 * t, d - 2 * t, innerRadius, -1);
    return sum.Properties();
}

SectionProperties CircularHollow(double d, double t) {
    const double pi = std::numbers::pi;
    const double inner = d - 2 * t;
    SectionProperties p;
    p.A = pi * (d * d - inner * inner) / 4;
    p.Ix = p.Iy = pi * (d * d * d * d - inner * inner * inner * inner) / 64;
    return p;
}

} // namespace orvex::datacheck
