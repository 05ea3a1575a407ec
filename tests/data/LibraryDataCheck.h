#pragma once

#include "library/ProfileLib.h"

#include <cstddef>
#include <string>
#include <vector>

namespace orvex::datacheck {

// Checks every row of table `index` of `lib` against its own dimensions and the relations
// between its properties, and returns one message per disagreement (none when the table is
// sound). A rolled row: A, Ix and Iy against the values computed from d, bf, tw, tf, r, r2 for
// the table's kind; the centroid distances ex, ey of channels, angles and tees against the
// computed centroid; Sx, Sy against I / (distance to the extreme fibre); rx, ry against
// sqrt(I / A); G against 0.785 A (steel of 7.85 t/m3). A double table (pk2I, named "2" followed
// by its base table's name): every row against the base row it was built from.
std::vector<std::string> CheckTableRows(const TProfileLib& lib, std::size_t index);

} // namespace orvex::datacheck
