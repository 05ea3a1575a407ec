#pragma once

#include "design/CalcLog.h"
#include "model/Records.h"
#include "model/Units.h"

#include <functional>
#include <string>
#include <vector>

namespace orvex::testing_support {

// Restores the display units a test changed.
struct UnitsGuard {
    TUnits saved = CurrentUnits;
    UnitsGuard() { CurrentUnits = TUnits{}; }
    ~UnitsGuard() { CurrentUnits = saved; }
};

using Lines = std::vector<std::string>;
using Edit = std::function<void(TElement&)>;

// A rolled I section of St 37 with round proportions: b/tf = 11, h/tw = 50, carrying no axial load.
inline TElement BaseElement() {
    TElement e;
    e.Kind = pkI;
    e.IsRolled = true;
    e.FlangeWebContinuous = true;
    e.Material.Name = "St 37";
    e.Material.Fy = 2400;
    e.d = 50;
    e.bf = 22;
    e.tf = 1;
    e.tw = 1;
    e.r = 0;
    e.b = 11;
    e.h = 50;
    e.A = 100;
    e.Sx = 500;
    e.Sy = 100;
    return e;
}

inline TElement Edited(const Edit& edit) {
    TElement e = BaseElement();
    if (edit)
        edit(e);
    return e;
}

// An IPE 300 as the library holds it, b and h derived the way a library row gives them.
inline TElement Ipe300() {
    TElement e = BaseElement();
    e.SectionName = "IPE300";
    e.d = 30;
    e.bf = 15;
    e.tf = 1.07L;
    e.tw = 0.71L;
    e.r = 1.5L;
    e.A = 53.8L;
    e.Sx = 557;
    e.Sy = 80.5L;
    e.b = e.bf / 2;
    e.h = e.d;
    return e;
}

// The log's lines below `from` (so that a table row can leave out a common opening).
inline Lines LinesFrom(const CalcLog& log, std::size_t from) {
    const auto& all = log.Lines();
    if (from >= all.size())
        return {};
    return Lines(all.begin() + static_cast<std::ptrdiff_t>(from), all.end());
}

} // namespace orvex::testing_support
