#include "model/Units.h"

#include "model/Errors.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orvex {

TUnits CurrentUnits;

namespace {

std::string Normalised(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    std::string result = text.substr(first, last - first);
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

struct BaseFactors {
    Extended length;
    Extended force;
};

// The two directions are separate constant tables, not reciprocals of each other.
BaseFactors Factors(bool toInternal) {
    const std::string length = Normalised(CurrentUnits.LengthUnit);
    const std::string force = Normalised(CurrentUnits.ForceUnit);
    BaseFactors f{};
    if (length == "m")
        f.length = toInternal ? 100.0L : 0.01L;
    else if (length == "cm")
        f.length = 1.0L;
    else if (length == "mm")
        f.length = toInternal ? 0.1L : 10.0L;
    else
        throw ConversionError("unknown length unit \"" + CurrentUnits.LengthUnit + "\"");
    if (force == "ton")
        f.force = toInternal ? 1000.0L : 0.001L;
    else if (force == "kg")
        f.force = 1.0L;
    else if (force == "n")
        f.force = toInternal ? 0.10193679918450560652L : 9.81L;
    else
        throw ConversionError("unknown force unit \"" + CurrentUnits.ForceUnit + "\"");
    return f;
}

Extended FactorFor(TQuantityKind kind, bool toInternal) {
    const BaseFactors f = Factors(toInternal);
    const Extended L = f.length;
    const Extended F = f.force;
    switch (kind) {
    case qkLength:
        return L;
    case qkArea:
        return L * L;
    case qkModulus:
        return L * L * L;
    case qkInertia:
        return L * L * L * L;
    case qkForce:
        return F;
    case qkForcePerLength:
        return F / L;
    case qkStress:
        return F / (L * L);
    case qkMoment:
        return F * L;
    case qkRatio:
        return 1.0L;
    }
    return 1.0L; // the reserved codes 4 and 5
}

// Digits and decimal exponent of `value` rounded to 15 significant digits: value ≈ d.dddd × 10^exponent.
struct Digits15 {
    bool negative = false;
    std::string digits; // 15 characters
    int exponent = 0;
};

Digits15 SplitDigits(double value) {
    if (!std::isfinite(value))
        throw ArithmeticError("a computed value is not a finite number and cannot be printed");
    // to_chars ignores the C locale, which a GUI toolkit may have set to the user's.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::scientific, 14);
    *written.ptr = '\0';
    Digits15 result;
    const char* p = buffer;
    if (*p == '-') {
        result.negative = true;
        ++p;
    }
    for (; *p != 'e'; ++p)
        if (*p != '.')
            result.digits.push_back(*p);
    result.exponent = std::atoi(p + 1);
    return result;
}

std::string FixedDigits(Extended value, int decimals) {
    const Digits15 split = SplitDigits(static_cast<double>(value));
    std::string digits = split.digits;
    int exponent = split.exponent;
    // number of significant digits that lie at or before the last printed decimal
    const int keep = exponent + decimals + 1;
    if (keep < 0) {
        digits.clear();
    } else if (keep < static_cast<int>(digits.size())) {
        const bool roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(keep));
        if (roundUp) {
            int i = keep - 1;
            while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
                digits[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i >= 0) {
                ++digits[static_cast<std::size_t>(i)];
            } else {
                digits.insert(digits.begin(), '1');
                ++exponent;
            }
        }
    }
    // Lay the digits out as integer part and exactly `decimals` decimals.
    std::string integerPart;
    std::string fraction;
    for (int position = std::max(exponent, 0); position >= -decimals; --position) {
        const int index = exponent - position;
        const char digit = (index >= 0 && index < static_cast<int>(digits.size()))
                               ? digits[static_cast<std::size_t>(index)]
                               : '0';
        if (position >= 0)
            integerPart.push_back(digit);
        else
            fraction.push_back(digit);
    }
    const bool allZero = integerPart.find_first_not_of('0') == std::string::npos &&
                         fraction.find_first_not_of('0') == std::string::npos;
    std::string text = (split.negative && !allZero) ? "-" : "";
    text += integerPart;
    if (decimals > 0)
        text += "." + fraction;
    return text;
}

} // namespace

Extended ToInternalFactor(TQuantityKind kind) {
    return FactorFor(kind, true);
}
Extended ToDisplayFactor(TQuantityKind kind) {
    return FactorFor(kind, false);
}
Extended ToInternal(TQuantityKind kind, Extended value) {
    return value * ToInternalFactor(kind);
}
Extended ToDisplay(TQuantityKind kind, Extended value) {
    return value * ToDisplayFactor(kind);
}

bool IsLengthUnit(const std::string& text) {
    const std::string unit = Normalised(text);
    return unit == "m" || unit == "cm" || unit == "mm";
}

bool IsForceUnit(const std::string& text) {
    const std::string unit = Normalised(text);
    return unit == "ton" || unit == "kg" || unit == "n";
}

Extended ParseQuantity(const std::string& text, TQuantityKind kind) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && (text[first] == ' ' || text[first] == '\t'))
        ++first;
    while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t'))
        --last;
    const std::string body = text.substr(first, last - first);
    const auto fail = [&]() -> ConversionError {
        return ConversionError("\"" + text + "\" is not a valid number");
    };
    // sign, digits with at most one ".", optional exponent: nothing else (no hex, inf or nan)
    std::size_t i = 0;
    if (i < body.size() && (body[i] == '+' || body[i] == '-'))
        ++i;
    std::size_t mantissaDigits = 0;
    bool point = false;
    for (; i < body.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(body[i])))
            ++mantissaDigits;
        else if (body[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (mantissaDigits == 0)
        throw fail();
    if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
        ++i;
        if (i < body.size() && (body[i] == '+' || body[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < body.size() && std::isdigit(static_cast<unsigned char>(body[i]))) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            throw fail();
    }
    if (i != body.size())
        throw fail();
    const char* begin = body.data() + (body[0] == '+' ? 1 : 0);
    Extended value = 0;
    const auto parsed = std::from_chars(begin, body.data() + body.size(), value);
    // Values travel as doubles too (library, result files): refuse what a double cannot hold.
    if (parsed.ec == std::errc::result_out_of_range || std::fabs(value) > std::numeric_limits<double>::max())
        throw ConversionError("\"" + text + "\" is out of the range of numbers");
    if (parsed.ec != std::errc() || parsed.ptr != body.data() + body.size())
        throw fail();
    const Extended internal = value * ToInternalFactor(kind);
    if (std::fabs(internal) > std::numeric_limits<double>::max())
        throw ConversionError("\"" + text + "\" is out of the range of numbers");
    return internal;
}

double RoundToDecimals(Extended value, int decimals) {
    const double step = std::pow(10.0, -decimals);
    const Extended quotient = static_cast<Extended>(static_cast<double>(value)) / static_cast<Extended>(step);
    const Extended rounded = std::nearbyint(quotient); // ties to even in the default rounding mode
    return static_cast<double>(rounded * static_cast<Extended>(step));
}

std::string FormatFixed(Extended value, int decimals) {
    if (!std::isfinite(value))
        throw ArithmeticError("a computed value is not a finite number and cannot be printed");
    return FixedDigits(value, decimals);
}

std::string FormatGeneral(double value) {
    if (value == 0)
        return "0";
    const Digits15 split = SplitDigits(value);
    std::string digits = split.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string text = split.negative ? "-" : "";
    const int exponent = split.exponent;
    if (exponent < -4 || exponent >= 15) {
        text.push_back(digits[0]);
        if (digits.size() > 1) {
            text.push_back('.');
            text.append(digits, 1);
        }
        text.push_back('E');
        text.append(std::to_string(exponent));
        return text;
    }
    if (exponent < 0) {
        text.append("0.");
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text.append(digits);
        return text;
    }
    const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        text.append(digits);
        text.append(integerDigits - digits.size(), '0');
        return text;
    }
    text.append(digits, 0, integerDigits);
    text.push_back('.');
    text.append(digits, integerDigits);
    return text;
}

std::string FormatQuantity(TQuantityKind kind, Extended value) {
    const Extended display = value * ToDisplayFactor(kind);
    if (!std::isfinite(display) || std::fabs(display) > std::numeric_limits<double>::max())
        throw ArithmeticError("a computed value is not a finite number and cannot be printed");
    // Round to 15 significant digits and read back: drops the noise of the unit multiplication.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, display, std::chars_format::scientific, 14);
    Extended clean = 0;
    std::from_chars(buffer, written.ptr, clean);
    const int decimals = std::min<int>(CurrentUnits.Decimals, 5);
    if (CurrentUnits.ShowZero)
        return FixedDigits(clean, decimals);
    return FormatGeneral(RoundToDecimals(clean, decimals));
}

} // namespace orvex
