#pragma once

#include "library/ProfileLib.h"

#include <string>

namespace orvex {

// A typed cell read as a number (leading number part only, 0 when there is none), passed through
// 32-bit floating point, rounded to two decimals and written in shortest general form. Raises
// ArithmeticError when the number is too large for 32-bit floating point.
std::string NormalizeCellValue(const std::string& text);

// The value a table keeps for a typed cell: the number NormalizeCellValue writes.
double NormalizedCellNumber(const std::string& text);

// Stores a table as the manager stores the table it shows: every value as shown (rounded to two
// decimals) passed through NormalizeCellValue, every section name cut to its capacity. Raises
// ArithmeticError naming the row and column of a value that cannot be stored; the table is then
// unchanged.
void NormalizeTableValues(TSectionTable& table);

// Stores the table at `tableIndex` (NormalizeTableValues), then names its unnamed rows and fills
// the derivable properties that hold exactly 0, each result passed through the cell correction.
// Raises ArithmeticError when a root of a negative quotient would be taken, and Error for a table
// that does not exist; the table is then left exactly as it was.
void CompleteTable(TProfileLib& lib, std::size_t tableIndex);

// Appends the double section table (two sections of the base table side by side, flange tips
// touching) named `newName`, of kind pk2I, completes it, makes it current and returns its index.
// Raises Error, with the library unchanged, for an empty name or one already in use, a full
// library, and (as ArithmeticError) a base row that would divide by zero.
std::size_t BuildDoubleSection(TProfileLib& lib, std::size_t baseTable, const std::string& newName);

} // namespace orvex
