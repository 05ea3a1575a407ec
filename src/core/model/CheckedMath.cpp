#include "model/CheckedMath.h"

#include "model/Errors.h"

#include <cmath>
#include <sstream>
#include <string>

namespace orvex {

namespace {

std::string ValueText(Extended value) {
    std::ostringstream out;
    out.precision(15);
    out << static_cast<double>(value);
    return out.str();
}

Extended Finite(Extended result, std::string_view what) {
    if (!std::isfinite(result))
        throw ArithmeticError("the result of " + std::string(what) + " is not a finite number");
    return result;
}

} // namespace

Extended Divide(Extended numerator, Extended divisor, std::string_view what) {
    if (divisor == 0 || !std::isfinite(divisor))
        throw ArithmeticError("division by zero in " + std::string(what));
    return Finite(numerator / divisor, what);
}

Extended SquareRoot(Extended value, std::string_view what) {
    if (value < 0 || !std::isfinite(value))
        throw ArithmeticError("square root of the negative number " + ValueText(value) + " in " +
                              std::string(what));
    return std::sqrt(value);
}

Extended Power(Extended base, Extended exponent, std::string_view what) {
    if (base < 0 && std::floor(exponent) != exponent)
        throw ArithmeticError("fractional power of the negative number " + ValueText(base) + " in " +
                              std::string(what));
    return Finite(std::pow(base, exponent), what);
}

void RequireNonNegative(Extended value, std::string_view name) {
    if (!std::isfinite(value) || value < 0)
        throw ArithmeticError(std::string(name) + " is " + ValueText(value) +
                              " (a missing or negative value cannot be used)");
}

void RequirePositive(Extended value, std::string_view name) {
    RequireNonNegative(value, name);
    if (value == 0)
        throw ArithmeticError(std::string(name) + " is 0 and is used as a divisor");
}

} // namespace orvex
