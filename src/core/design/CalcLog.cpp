#include "design/CalcLog.h"

namespace orvex {

std::string FillPattern(const std::string& pattern, std::initializer_list<std::string> values) {
    std::string out;
    auto next = values.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's') {
            if (next != values.end())
                out += *next++;
            ++i;
        } else {
            out.push_back(pattern[i]);
        }
    }
    return out;
}

void CalcLog::AddValue(const std::string& label, TQuantityKind kind, Extended value) {
    lines_.push_back(label + FormatQuantity(kind, value));
}

void CalcLog::AddPattern(const std::string& pattern, std::initializer_list<std::string> values) {
    lines_.push_back(FillPattern(pattern, values));
}

} // namespace orvex
