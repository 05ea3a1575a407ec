#pragma once

#include <optional>
#include <string>

namespace orvex {

// Files hold single-byte Windows-1256 text; in memory every text is UTF-8.

// Every byte has a character (the six unassigned positions of the code page do not exist in
// Windows-1256, so every byte decodes).
std::string Cp1256ToUtf8(const std::string& bytes);

// The text in Windows-1256, or nothing when a character has no place in it. Persian letters that
// the code page lacks but that have a usual stand-in are mapped to it (ی → ي, ى kept, ۰–۹ → 0–9).
std::optional<std::string> Utf8ToCp1256(const std::string& text);

// Number of characters of a UTF-8 text (one per code point), i.e. its length in Windows-1256.
std::size_t CharacterCount(const std::string& text);

// The first `count` characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t count);

} // namespace orvex
