#include "values/text_lines.h"

#include "values/xml_escape.h"

namespace ruvela {

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string PadRight(std::string_view text, std::size_t width) {
  std::string padded(text);
  if (padded.size() < width) padded.append(width - padded.size(), ' ');
  return padded;
}

std::string Centred(std::string_view text, std::size_t width) {
  if (text.size() >= width) return std::string(text);
  const std::size_t left = (width - text.size()) / 2;
  std::string centred(left, ' ');
  centred += text;
  centred.append(width - left - text.size(), ' ');
  return centred;
}

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  }
  return lower;
}

std::string NumberedName(std::int64_t number, std::string_view routeName) {
  std::string name = std::to_string(number);
  if (name.size() < 3) name.insert(0, 3 - name.size(), '0');
  name += '-';
  name += routeName;
  return name;
}

void AppendLine(std::string& out, int blanks, std::string_view text) {
  AppendIndent(out, blanks);
  out += text;
  out += "\r\n";
}

void AppendValueLine(std::string& out, int blanks, std::string_view tag, std::string_view value,
                     std::string_view suffix) {
  AppendIndent(out, blanks);
  out += '<';
  out += tag;
  out += '>';
  AppendEscapedText(out, value);
  out += suffix;
  out += "</";
  out += tag;
  out += ">\r\n";
}

}  // namespace ruvela
