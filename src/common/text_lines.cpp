#include "common/text_lines.h"

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

}  // namespace ruvela
