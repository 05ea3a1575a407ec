#pragma once

#include "design/CalcLog.h"

#include <initializer_list>
#include <string_view>

namespace orvex {

// One number of a line, formatted only when the line is written.
struct LogNumber {
    TQuantityKind kind;
    Extended value;
};

// Where a check writes its lines: a CalcLog, or nowhere when only the verdict is wanted (a step
// that needs the class of a section whose lines its caller already wrote, a search trying
// candidates). Without a log nothing is formatted, which is what makes those uses cheap; the
// numbers are still refused when not finite, exactly as formatting would refuse them.
class LogWriter {
  public:
    explicit LogWriter(CalcLog* log = nullptr) : log_(log) {}

    void Add(std::string_view line);
    void AddEmpty();
    // The label pieces joined with nothing between them, then the number.
    void AddValue(std::initializer_list<std::string_view> label, TQuantityKind kind, Extended value);
    // `pattern` with each "%s" replaced, in order, by the next number.
    void AddPattern(std::string_view pattern, std::initializer_list<LogNumber> numbers);

  private:
    CalcLog* log_;
};

} // namespace orvex
