#pragma once

// Section properties computed from the dimensions of rolled and hollow sections, with their root
// fillets and toe roundings, to check the published values of the shipped section tables.
// Lengths in cm.

namespace orvex::datacheck {

struct SectionProperties {
    double A = 0;
    double Ix = 0; // about the horizontal axis through the centroid
    double Iy = 0; // about the vertical axis through the centroid
    double xc = 0; // centroid, in the coordinates each shape below is described in
    double yc = 0;
};

// I section centred on the origin. The inner flange faces may slope by `slope` (rise per run)
// towards the flange tips; tf is then the thickness at `tfFromWeb` from the web face. r is the
// root fillet, r2 the rounding of the four flange toes.
SectionProperties ISection(double d, double bf, double tw, double tf, double r, double r2, double slope,
                           double tfFromWeb);

// Channel with the back of its web on x = 0, flanges towards +x, centred on y = 0; tf is the
// flange thickness at bf/2 from the back, the inner flange faces slope by `slope`.
SectionProperties Channel(double d, double bf, double tw, double tf, double r, double r2, double slope);

// Angle with its heel at the origin: a vertical leg d and a horizontal leg bf, both t thick.
SectionProperties Angle(double d, double bf, double t, double r, double r2);

// Tee with the tip of its stem at y = 0 and the outer face of its flange at y = d, centred on
// x = 0.
SectionProperties Tee(double d, double bf, double tw, double tf, double r);

// Two equal angles back to back, their vertical legs `gap` apart, heels on y = 0, symmetric
// about x = 0.
SectionProperties DoubleAngle(double leg, double t, double r, double r2, double gap);

// Hollow sections, centred on the origin: rectangular with outer and inner corner radii, and
// circular.
SectionProperties RectangularHollow(double d, double bf, double t, double outerRadius, double innerRadius);
SectionProperties CircularHollow(double d, double t);

} // namespace orvex::datacheck
