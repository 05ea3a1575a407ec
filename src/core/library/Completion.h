#pragma once

#include "library/ProfileLib.h"

#include <string>

namespace orvex {

// A typed cell read as a number (leading number part only, 0 when there is none), passed through
// 32-bit floating point, rounded to two decimals and written in shortest general form.
std::string NormalizeCellValue(const std::string& text);

// Names unnamed rows and fills derivable properties that hold exactly 0 in the table at
// `tableIndex`, then rounds every value of the table to two decimals. Raises ArithmeticError when
// a root of a negative quotient would be taken.
void CompleteTable(TProfileLib& lib, std::size_t tableIndex);

// Appends the double section table (two sections of the base table side by side, flange tips
// touching) named `newName`, completes it, makes it current and returns its index. Raises Error
// when the library is full or a base row would divide by zero.
std::size_t BuildDoubleSection(TProfileLib& lib, std::size_t baseTable, const std::string& newName);

} // namespace orvex
