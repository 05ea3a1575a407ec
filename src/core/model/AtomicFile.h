#pragma once

#include <string>

namespace orvex {

// Writes `bytes` to `path` through a temporary file in the same folder that is renamed over the
// target, so a failed write never leaves a half-written file nor destroys the previous one.
// Raises FileError naming the path and the reason.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// The whole file; raises FileError when it cannot be read.
std::string ReadWholeFile(const std::string& path);

} // namespace orvex
