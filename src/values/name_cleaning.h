// Reducing a name read from an input document to plain printable 7-bit
// characters, one character for one, so that every name the converters
// compare, number and write is simple text.
#pragma once

#include <string>
#include <string_view>

namespace ruvela {

// The replacement of each Windows-1252 code 0-255: letters with accents
// become their base letter, most punctuation a blank.
extern const char NameCharTable[257];

// Cleans a UTF-8 name character by character through NameCharTable. Codes
// U+0000-U+00FF index the table directly; the characters Windows-1252 keeps
// at 0x80-0x9F become blanks; other accented Latin letters become their base
// letter; anything else a blank, and a character beyond U+FFFF two blanks,
// so the result has the input's length in UTF-16 units. A byte that is not
// valid UTF-8 becomes one blank. Nothing is trimmed or dropped.
std::string CleanName(std::string_view name);

}  // namespace ruvela
