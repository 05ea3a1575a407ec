#include "design/LogWriter.h"

#include "model/Errors.h"

#include <cmath>

namespace orvex {

namespace {

void RequireFinite(Extended value) {
    if (!std::isfinite(value))
        throw ArithmeticError("a computed value is not a finite number and cannot be printed");
}

} // namespace

void LogWriter::Add(std::string_view line) {
    if (log_)
        log_->Add(std::string(line));
}

void LogWriter::AddEmpty() {
    if (log_)
        log_->AddEmpty();
}

void LogWriter::AddValue(std::initializer_list<std::string_view> label, TQuantityKind kind, Extended value) {
    if (!log_) {
        RequireFinite(value);
        return;
    }
    std::string line;
    for (std::string_view piece : label)
        line += piece;
    line += FormatQuantity(kind, value);
    log_->Add(std::move(line));
}

void LogWriter::AddPattern(std::string_view pattern, std::initializer_list<LogNumber> numbers) {
    if (!log_) {
        for (const LogNumber& number : numbers)
            RequireFinite(number.value);
        return;
    }
    std::string line;
    auto next = numbers.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's') {
            if (next != numbers.end()) {
                line += FormatQuantity(next->kind, next->value);
                ++next;
            }
            ++i;
        } else {
            line.push_back(pattern[i]);
        }
    }
    log_->Add(std::move(line));
}

} // namespace orvex
