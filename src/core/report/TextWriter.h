#pragma once

#include "report/ReportDocument.h"

#include <string>

namespace orvex {

// The document as plain UTF-8 text, one item a line: a text line as it stands, a rule as a line
// of dashes, a picture as "[picture W x H]", and a table cell by cell, row by row, each cell's
// items on lines of their own.
std::string WriteText(const ReportDocument& document);

} // namespace orvex
