#pragma once

#include "library/ProfileLib.h"
#include "model/Errors.h"

#include <string>

namespace orvex {

// The text every library file starts with.
extern const std::string kProfileLibHeader;
// Used by LoadProfileLib when the library has no file name.
extern const std::string kDefaultProfileLibFileName;

// A file that is not a section library at all (its first bytes are not the library header). The
// message is the file name, a carriage return and the product's Persian text for it.
class LibraryHeaderError : public FileError {
  public:
    using FileError::FileError;
};

// The exact bytes of the library file. Names are written in Windows-1256, cut to the file's
// capacities. Raises FileError when a count exceeds the library's capacity or a name holds a
// character Windows-1256 has no place for.
std::string SerializeProfileLib(const TProfileLib& lib);

// Replaces the tables of `lib` by those of the file image `bytes`; `fileName` only names the file
// in messages. Every table slot is replaced by a fresh one without picture; `FileName`,
// `CurrentTable` and every `CurrentRow` keep their values. Raises LibraryHeaderError for a file
// that is not a library and FileError for a damaged one; `lib` is untouched then.
void ParseProfileLib(const std::string& bytes, const std::string& fileName, TProfileLib& lib);

// Reads `lib.FileName` (set to kDefaultProfileLibFileName first when empty) into `lib`, as
// ParseProfileLib. Raises FileError when the file cannot be read.
void LoadProfileLib(TProfileLib& lib);

// Writes `lib` to `lib.FileName` through a temporary file, so a failed save leaves the previous
// file as it was. Raises FileError naming the file.
void SaveProfileLib(const TProfileLib& lib);

} // namespace orvex
