#include "LibraryDataCheck.h"

#include "SectionGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>

namespace orvex::datacheck {
namespace {

// Published tables print their values to 3 or 4 significant digits, so a value and one
// recomputed from other rounded values differ by up to about 0.5 % each way; the catalogue's own
// rounding reaches 1.3 % in two places (UNP80 Sy, UNP320 rx). A mistyped or transposed digit
// other than the last moves a value by several percent.
constexpr double kRelationTolerance = 0.015; // S = I / c, r = sqrt(I / A)
constexpr double kWeightTolerance = 0.01;    // G = 0.785 A, both given to 3 digits or more
// The models are exact for parallel flanges, angles, tees and hollow sections; what remains is
// the published rounding, at most 0.6 % in the shipped tables.
constexpr double kGeometryTolerance = 0.01;
// Sloping flanges: the fillets are placed as at square corners and the thickness is taken where
// the standard measures it; the shipped tables agree within 1.1 % (Ix) and 2.1 % (Iy).
constexpr double kTaperedIxTolerance = 0.015;
constexpr double kTaperedIyTolerance = 0.025;
// Centroid distances are published to 0.01 cm; the models agree within 0.03 cm.
constexpr double kCentroidTolerance = 0.05;
// Steel of 7.85 t/m3: kg/m per cm2.
constexpr double kWeightPerArea = 0.785;

// Rise per run of the inner flange faces of the sloping-flange families: INP 14 % (DIN 1025-1,
// thickness measured at a quarter of the flange width from its edge); UNP 8 % up to 300 mm deep
// and 5 % above (DIN 1026-1, thickness measured at half the flange width from the back).
constexpr double kInpSlope = 0.14;
constexpr double kUnpSlope = 0.08;
constexpr double kDeepUnpSlope = 0.05;
constexpr double kDeepUnpDepth = 30; // cm

enum Column { d, bf, tw, tf, r, r2, A, G, Ix, Sx, rx, Iy, Sy, ry, ex, ey, Z, ColumnCount };

using Columns = std::array<int, ColumnCount>;
using Row = std::array<double, ColumnCount>;

std::string Text(const char* format, auto... values) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

std::optional<Columns> FindColumns(const TSectionTable& table, std::vector<std::string>& problems) {
    Columns columns{};
    bool complete = true;
    for (int c = 0; c < ColumnCount; ++c) {
        columns[c] = FindColumn(table, DefaultColumnNames[c]);
        if (columns[c] < 0) {
            problems.push_back(Text("%s: no column %s", table.TableName.c_str(), DefaultColumnNames[c]));
            complete = false;
        }
    }
    if (!complete)
        return std::nullopt;
    return columns;
}

Row ReadRow(const TSectionTable& table, const Columns& columns, std::size_t row) {
    Row values{};
    for (int c = 0; c < ColumnCount; ++c)
        values[c] = table.Values[row][columns[c]];
    return values;
}

class RowChecker {
  public:
    RowChecker(const std::string& name, std::vector<std::string>& problems)
        : name_(name), problems_(problems) {}

    void Relative(Column column, double stored, double expected, double tolerance, const char* basis) {
        if (std::abs(stored - expected) <= tolerance * std::abs(expected))
            return;
        problems_.push_back(Text("%s: %s = %g, expected %.6g from %s (%+.2f %%, tolerance %.1f %%)",
                                 name_.c_str(), DefaultColumnNames[column], stored, expected, basis,
                                 100 * (stored / expected - 1), 100 * tolerance));
    }

    void Absolute(Column column, double stored, double expected, double tolerance, const char* basis) {
        if (std::abs(stored - expected) <= tolerance)
            return;
        problems_.push_back(Text("%s: %s = %g, expected %.6g from %s (tolerance %g)", name_.c_str(),
                                 DefaultColumnNames[column], stored, expected, basis, tolerance));
    }

    void Problem(const std::string& text) { problems_.push_back(name_ + ": " + text); }

  private:
    const std::string& name_;
    std::vector<std::string>& problems_;
};

struct Model {
    SectionProperties section;
    double ixTolerance = kGeometryTolerance;
    double iyTolerance = kGeometryTolerance;
    std::optional<double> ex; // centroid distances where the shape has them off its middle
    std::optional<double> ey;
};

std::optional<Model> ModelOf(const TSectionTable& table, const Row& v) {
    Model m;
    switch (static_cast<TSectionKind>(table.Kind)) {
    case pkI: {
        const bool sloping = table.TableName == "INP";
        m.section =
            ISection(v[d], v[bf], v[tw], v[tf], v[r], v[r2], sloping ? kInpSlope : 0, v[bf] / 4 - v[tw] / 2);
        if (sloping) {
            m.ixTolerance = kTaperedIxTolerance;
            m.iyTolerance = kTaperedIyTolerance;
        }
        return m;
    }
    case pkU:
        m.section = Channel(v[d], v[bf], v[tw], v[tf], v[r], v[r2],
                            v[d] <= kDeepUnpDepth ? kUnpSlope : kDeepUnpSlope);
        m.ixTolerance = kTaperedIxTolerance;
        m.iyTolerance = kTaperedIyTolerance;
        m.ex = m.section.xc;
        return m;
    case pkL:
        m.section = Angle(v[d], v[bf], v[tw], v[r], v[r2]);
        m.ex = m.section.xc;
        m.ey = m.section.yc;
        return m;
    case pkT:
        m.section = Tee(v[d], v[bf], v[tw], v[tf], v[r]);
        m.ey = v[d] - m.section.yc;
        return m;
    case pkZ:
        m.section = DoubleAngle(v[d], v[tw], v[r], v[r2], v[bf] - 2 * v[d]);
        m.ey = m.section.yc;
        return m;
    case pkBox:
        // Hot-finished hollow sections: outer corner radius 1.5 t; r holds the inner one.
        m.section = RectangularHollow(v[d], v[bf], v[tw], 1.5 * v[tw], v[r]);
        return m;
    case pkPipe:
        m.section = CircularHollow(v[d], v[tw]);
        return m;
    case pk2I:
        return std::nullopt;
    }
    return std::nullopt;
}

void CheckRolledRow(const TSectionTable& table, const std::string& name, const Row& v,
                    std::vector<std::string>& problems) {
    RowChecker check(name, problems);
    for (const Column c : {d, bf, tw, tf, A, Ix, Iy}) {
        if (!(v[c] > 0)) {
            check.Problem(Text("%s = %g is not positive", DefaultColumnNames[c], v[c]));
            return;
        }
    }
    const std::optional<Model> model = ModelOf(table, v);
    if (!model) {
        check.Problem(Text("no shape known for kind %d", int(table.Kind)));
        return;
    }
    check.Relative(A, v[A], model->section.A, kGeometryTolerance, "the dimensions");
    check.Relative(Ix, v[Ix], model->section.Ix, model->ixTolerance, "the dimensions");
    check.Relative(Iy, v[Iy], model->section.Iy, model->iyTolerance, "the dimensions");
    if (model->ex)
        check.Absolute(ex, v[ex], *model->ex, kCentroidTolerance, "the centroid");
    if (model->ey)
        check.Absolute(ey, v[ey], *model->ey, kCentroidTolerance, "the centroid");

    // Elastic moduli to the farther extreme fibre, from the stored centroid distances.
    const double cx = std::max(v[ey], v[d] - v[ey]);
    const double cy = std::max(v[ex], v[bf] - v[ex]);
    check.Relative(Sx, v[Sx], v[Ix] / cx, kRelationTolerance, "Ix / c");
    check.Relative(Sy, v[Sy], v[Iy] / cy, kRelationTolerance, "Iy / c");
    check.Relative(rx, v[rx], std::sqrt(v[Ix] / v[A]), kRelationTolerance, "sqrt(Ix / A)");
    check.Relative(ry, v[ry], std::sqrt(v[Iy] / v[A]), kRelationTolerance, "sqrt(Iy / A)");
    check.Relative(G, v[G], kWeightPerArea * v[A], kWeightTolerance, "0.785 A");
}

// A double section is two base sections side by side with their flange tips touching, every
// value rounded to two decimals after passing through 32-bit floating point.
void CheckDoubleRow(const std::string& name, const Row& v, const Row& b, std::vector<std::string>& problems) {
    using Wide = long double;
    Row expected = b;
    const Wide area = 2 * Wide(b[A]);
    const Wide ix = 2 * Wide(b[Ix]);
    const Wide iy = 2 * Wide(b[Iy]) + (Wide(b[bf]) / 2) * (Wide(b[bf]) / 2) * area;
    expected[A] = double(area);
    expected[G] = double(2 * Wide(b[G]));
    expected[Ix] = double(ix);
    expected[Sx] = double(2 * ix / b[d]);
    expected[rx] = double(std::sqrt(ix / area));
    expected[Iy] = double(iy);
    expected[Sy] = double(iy / b[bf]);
    expected[ry] = double(std::sqrt(iy / area));
    RowChecker check(name, problems);
    for (int c = 0; c < ColumnCount; ++c) {
        const double tolerance = 0.005 + 1e-7 * std::abs(expected[c]) + 1e-9;
        check.Absolute(Column(c), v[c], expected[c], tolerance, "the base section");
    }
}

void CheckDoubleTable(const TProfileLib& lib, const TSectionTable& table, const Columns& columns,
                      std::vector<std::string>& problems) {
    const std::string baseName = table.TableName.starts_with("2") ? table.TableName.substr(1) : std::string();
    const TSectionTable* base = nullptr;
    for (std::size_t i = 0; i < lib.TableCount && i < kMaxTables; ++i)
        if (lib.Tables[i].TableName == baseName && lib.Tables[i].Kind != pk2I)
            base = &lib.Tables[i];
    if (base == nullptr) {
        problems.push_back(table.TableName + ": no base table \"" + baseName + "\"");
        return;
    }
    const std::optional<Columns> baseColumns = FindColumns(*base, problems);
    if (!baseColumns)
        return;
    if (base->RowCount != table.RowCount) {
        problems.push_back(Text("%s: %d rows, its base %s has %d", table.TableName.c_str(),
                                int(table.RowCount), baseName.c_str(), int(base->RowCount)));
        return;
    }
    for (std::size_t row = 0; row < table.RowCount; ++row) {
        const std::string& name = table.RowNames[row];
        if (name != "2" + base->RowNames[row])
            problems.push_back(name + ": built from " + base->RowNames[row]);
        CheckDoubleRow(name, ReadRow(table, columns, row), ReadRow(*base, *baseColumns, row), problems);
    }
}

} // namespace

std::vector<std::string> CheckTableRows(const TProfileLib& lib, std::size_t index) {
    std::vector<std::string> problems;
    const TSectionTable& table = lib.Tables.at(index);
    const std::optional<Columns> columns = FindColumns(table, problems);
    if (!columns)
        return problems;
    if (table.Kind == pk2I) {
        CheckDoubleTable(lib, table, *columns, problems);
        return problems;
    }
    for (std::size_t row = 0; row < table.RowCount && row < kMaxRows; ++row)
        CheckRolledRow(table, table.RowNames[row], ReadRow(table, *columns, row), problems);
    return problems;
}

} // namespace orvex::datacheck
