// Small pieces of text both directions build their output from.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ruvela {

// `text` without leading and trailing blanks (spaces only: tabs and line
// ends stay).
std::string_view TrimBlanks(std::string_view text);

// `text` followed by blanks up to `width` characters (unchanged when longer).
std::string PadRight(std::string_view text, std::size_t width);

// `text` centred in `width` characters; an odd remainder falls to the right.
std::string Centred(std::string_view text, std::size_t width);

// `text` with the letters A-Z made lower case; other characters unchanged.
std::string LowerAscii(std::string_view text);

// A point named after its place in a route: the number with at least three
// digits, "-", the route's name ("007-Ruta", "1234-Ruta").
std::string NumberedName(std::int64_t number, std::string_view routeName);

// Appends `blanks` spaces to `out`.
inline void AppendIndent(std::string& out, int blanks) {
  if (blanks > 0) out.append(static_cast<std::size_t>(blanks), ' ');
}

// Appends one document line: indentation, `text` as it stands, CR LF.
void AppendLine(std::string& out, int blanks, std::string_view text);

// Appends one document line holding an element with an escaped value and
// an optional fixed suffix: <tag>value suffix</tag>.
void AppendValueLine(std::string& out, int blanks, std::string_view tag, std::string_view value,
                     std::string_view suffix = {});

}  // namespace ruvela
