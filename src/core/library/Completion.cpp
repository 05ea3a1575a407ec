#include "library/Completion.h"

#include "model/Errors.h"

namespace orvex {

// Placeholder until the completion rules land.
std::string NormalizeCellValue(const std::string& text) { return text; }
void CompleteTable(TProfileLib&, std::size_t) { throw Error("table completion is not available yet"); }
std::size_t BuildDoubleSection(TProfileLib&, std::size_t, const std::string&) {
    throw Error("double sections are not available yet");
}

} // namespace orvex
