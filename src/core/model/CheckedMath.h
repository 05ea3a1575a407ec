#pragma once

#include "model/Extended.h"

#include <string_view>

namespace orvex {

// Arithmetic that refuses to produce an infinity or a NaN: each raises ArithmeticError naming
// `what` (the formula or value being computed) instead.
Extended Divide(Extended numerator, Extended divisor, std::string_view what);
Extended SquareRoot(Extended value, std::string_view what);
Extended Power(Extended base, Extended exponent, std::string_view what);

// Raises ArithmeticError when `value` is negative or not finite: section values read from a
// table are never negative, and -1 marks a column the table lacks.
void RequireNonNegative(Extended value, std::string_view name);
// Raises ArithmeticError when `value` is not strictly positive.
void RequirePositive(Extended value, std::string_view name);

} // namespace orvex
