#include "workflows/EndMoments.h"

#include "model/Units.h"

#include <utility>

namespace orvex {

void ReadEndMoments(const EndMomentsInput& input, Extended& M1, Extended& M2, std::int8_t& curvature) {
    Extended first = ParseQuantity(input.M1, qkMoment);
    Extended second = ParseQuantity(input.M2, qkMoment);
    if (second < first)
        std::swap(first, second);
    M1 = first;
    M2 = second;
    curvature = input.Curvature == 1 ? 1 : -1;
}

} // namespace orvex
