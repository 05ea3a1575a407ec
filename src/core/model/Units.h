#pragma once

#include "model/Extended.h"

#include <cstdint>
#include <string>

namespace orvex {

enum TQuantityKind : std::uint8_t {
    qkLength = 0,
    qkArea = 1,
    qkModulus = 2,
    qkInertia = 3,
    qkForce = 6,
    qkForcePerLength = 7,
    qkStress = 8,
    qkMoment = 9,
    qkRatio = 10,
};

// The display-unit settings shared by every window and report. Unit texts are "m", "cm", "mm" and
// "Ton", "Kg", "N"; they are matched trimmed and without regard to case.
struct TUnits {
    std::string LengthUnit = "cm";
    std::string ForceUnit = "Kg";
    std::string OldLengthUnit = "cm";
    std::string OldForceUnit = "Kg";
    std::uint8_t Decimals = 3; // 0..5
    bool ShowZero = false;
};

extern TUnits CurrentUnits;

// Raise ConversionError when a unit text in CurrentUnits is not a known unit.
Extended ToInternalFactor(TQuantityKind kind);
Extended ToDisplayFactor(TQuantityKind kind);
Extended ToInternal(TQuantityKind kind, Extended value);
Extended ToDisplay(TQuantityKind kind, Extended value);

// Reads typed text ("." decimal separator, optional sign and exponent, surrounding blanks
// allowed) as a number in display units and returns it in internal units. Raises ConversionError
// for anything else, an empty text included.
Extended ParseQuantity(const std::string& text, TQuantityKind kind);

// An internal value in display units with CurrentUnits.Decimals and ShowZero, as every report
// prints it. Raises ArithmeticError for a value that is not finite.
std::string FormatQuantity(TQuantityKind kind, Extended value);

// value rounded to `decimals` places: value ÷ 10^-decimals (the step held as a double) rounded to
// the nearest integer with ties to the even one, times the step, stored as a double.
double RoundToDecimals(Extended value, int decimals);

// `value` in fixed notation with exactly `decimals` decimals, rounded half away from zero on its
// 15 significant digits (no decimal point when `decimals` is 0).
std::string FormatFixed(Extended value, int decimals);

// A double in general format with up to 15 significant digits, no trailing zeros, and exponent
// form ("1E-5", "1.5E20") below 0.0001 in magnitude or beyond 15 integer digits.
std::string FormatGeneral(double value);

// True when `text` names a unit that the units layer knows ("m", "cm", "mm" / "Ton", "Kg", "N").
bool IsLengthUnit(const std::string& text);
bool IsForceUnit(const std::string& text);

} // namespace orvex
