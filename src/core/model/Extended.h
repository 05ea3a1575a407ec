#pragma once

namespace orvex {

// Every computed value uses the 80-bit extended type; library values are stored as doubles.
using Extended = long double;

} // namespace orvex
