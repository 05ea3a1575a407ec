#pragma once

#include "library/ProfileLib.h"
#include "model/Errors.h"

#include <string>

namespace orvex {

// Raised by ImportTableText when the first line is not the header of the default columns; the
// manager answers it with its own message box.
class TableTextHeaderError : public FileError {
  public:
    using FileError::FileError;
};

// The table as a section table text file, in Windows-1256 bytes: the line "NAME" and the column
// names, then per section its name and its values rounded to two decimals ("." as separator).
// Every field is followed by a tab and every line ends with CR LF. Raises Error when a name has a
// character Windows-1256 cannot hold, ArithmeticError for a value that is not a finite number.
std::string ExportTableText(const TSectionTable& table);

// Replaces the sections and columns of `table` by those of a section table text file (`bytes` as
// read from disk: Windows-1256, or UTF-8 when the file is valid UTF-8 text). The header must list
// the default columns; values pass through the cell correction and names are cut to their
// capacity. The table's name, kind and picture stay. Raises TableTextHeaderError for another
// header and FileError for more sections than a table holds, a name Windows-1256 cannot hold or a
// value too large to store; the table is then unchanged.
void ImportTableText(TSectionTable& table, const std::string& bytes);

} // namespace orvex
