#pragma once

#include "library/ProfileLib.h"

#include <string>

namespace orvex {

// Builds a library from the reviewable text sources in `dataDir`: the manifest library.tsv, the
// table files and the pictures it names. Raises FileError naming the file and line of the first
// fault found.
TProfileLib BuildLibraryFromSources(const std::string& dataDir);

// Section kind code of a kind name ("pkI" .. "pk2I"); false when the name is not one of them.
bool SectionKindFromName(const std::string& name, std::uint8_t& kind);
// The name of a kind code, or the code as a number when it is not a known kind.
std::string SectionKindName(std::uint8_t kind);

} // namespace orvex
