// Small pieces both document writers build their lines from.
#pragma once

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

// Appends `blanks` spaces to `out`.
inline void AppendIndent(std::string& out, int blanks) {
  if (blanks > 0) out.append(static_cast<std::size_t>(blanks), ' ');
}

}  // namespace ruvela
