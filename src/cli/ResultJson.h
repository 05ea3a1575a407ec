#pragma once

#include "design/CalcLog.h"
#include "model/Records.h"

#include <nlohmann/json.hpp>

#include <string>

namespace orvexcalc {

// Every field of the record, in record order, numbers as internal values (kg, cm).
nlohmann::ordered_json ElementToJson(const orvex::TElement& element);
nlohmann::ordered_json ConnectionToJson(const orvex::TConnectionSimple& connection);
nlohmann::ordered_json LogToJson(const std::string& title, const orvex::CalcLog& log);

} // namespace orvexcalc
