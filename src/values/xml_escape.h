// Inserting values into the documents we write. Whatever a value holds,
// the document must stay well-formed: markup characters are escaped, and
// bytes that are not valid UTF-8 or characters XML does not allow become
// U+FFFD (the replacement character).
#pragma once

#include <string>
#include <string_view>

namespace ruvela {

// Appends `value` as element content: & < > escaped.
void AppendEscapedText(std::string& out, std::string_view value);

// Appends `value` as an attribute value in double quotes: & < > " escaped,
// and tab, line feed and carriage return as character references so that
// a reader gets them back unchanged.
void AppendEscapedAttribute(std::string& out, std::string_view value);

std::string EscapedText(std::string_view value);

}  // namespace ruvela
