#pragma once

#include "model/Extended.h"
#include "model/Units.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace orvex {

// The trace a check writes: lines in order, duplicates and empty lines kept. A line starting with
// "-" is a heading, one starting with "*" a failed check; every other line is plain.
class CalcLog {
  public:
    void Clear() { lines_.clear(); }
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    void AddEmpty() { lines_.emplace_back(); }
    // label (ending in "= ") followed by FormatQuantity(kind, value)
    void AddValue(const std::string& label, TQuantityKind kind, Extended value);
    // `pattern` with each "%s" replaced, in order, by the next text of `values`
    void AddPattern(const std::string& pattern, std::initializer_list<std::string> values);

    const std::vector<std::string>& Lines() const { return lines_; }
    std::size_t Size() const { return lines_.size(); }
    bool Empty() const { return lines_.empty(); }

  private:
    std::vector<std::string> lines_;
};

// `pattern` with each "%s" replaced, in order, by the next of `values` (missing values give "").
std::string FillPattern(const std::string& pattern, std::initializer_list<std::string> values);

// Shorthand for the number texts of a pattern line.
inline std::string Q(TQuantityKind kind, Extended value) {
    return FormatQuantity(kind, value);
}

} // namespace orvex
