#pragma once

#include "report/ReportDocument.h"

#include <nlohmann/json.hpp>

namespace orvex {

// The report, item by item, as the "document" array of a run result: lines with their text and
// style numbers, rules, tables (their cells row by row, each cell an array of its items) and
// pictures with their size in pixels.
nlohmann::json DocumentToJson(const ReportDocument& document);

} // namespace orvex
