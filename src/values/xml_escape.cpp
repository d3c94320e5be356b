#include "values/xml_escape.h"

#include <array>
#include <cstdint>

namespace ruvela {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

enum class Context { Text, Attribute };

// True for bytes that may need more than copying: markup characters,
// control characters and every byte of a multi-byte sequence. A table,
// because every coordinate of a large track passes through here.
constexpr auto kNeedsCare = [] {
  std::array<bool, 256> table{};
  for (int byte = 0; byte < 256; ++byte) {
    table[byte] = byte < 0x20 || byte >= 0x80 || byte == '&' || byte == '<' || byte == '>' || byte == '"';
  }
  return table;
}();

bool NeedsCare(unsigned char byte) { return kNeedsCare[byte]; }

// Length of the valid UTF-8 sequence of an allowed XML character starting at
// `text[0]`, or 0 when the bytes there are not one.
std::size_t ValidSequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const auto continuation = [&](std::size_t i) { return i < text.size() && (byte(i) & 0xC0) == 0x80; };
  const unsigned char lead = byte(0);
  if (lead >= 0xC2 && lead <= 0xDF) return continuation(1) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    if (!continuation(1) || !continuation(2)) return 0;
    const std::uint32_t code = ((lead & 0x0Fu) << 12) | ((byte(1) & 0x3Fu) << 6) | (byte(2) & 0x3Fu);
    if (code < 0x800) return 0;                      // overlong
    if (code >= 0xD800 && code <= 0xDFFF) return 0;  // surrogate
    if (code == 0xFFFE || code == 0xFFFF) return 0;  // not characters
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    if (!continuation(1) || !continuation(2) || !continuation(3)) return 0;
    const std::uint32_t code =
        ((lead & 0x07u) << 18) | ((byte(1) & 0x3Fu) << 12) | ((byte(2) & 0x3Fu) << 6) | (byte(3) & 0x3Fu);
    return code >= 0x10000 && code <= 0x10FFFF ? 4 : 0;
  }
  return 0;
}

void AppendEscaped(std::string& out, std::string_view value, Context context) {
  std::size_t clean = 0;
  while (clean < value.size() && !NeedsCare(static_cast<unsigned char>(value[clean]))) ++clean;
  if (clean == value.size()) {
    out += value;  // nearly every value: nothing to escape
    return;
  }
  std::size_t plainStart = 0;
  std::size_t i = 0;
  const auto flushPlain = [&] { out.append(value.data() + plainStart, i - plainStart); };
  while (i < value.size()) {
    const auto byte = static_cast<unsigned char>(value[i]);
    if (!NeedsCare(byte)) {
      ++i;
      continue;
    }
    if (byte >= 0x80) {
      const std::size_t length = ValidSequenceLength(value.substr(i));
      if (length > 0) {
        i += length;
        continue;
      }
    }
    flushPlain();
    switch (byte) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += context == Context::Attribute ? "&quot;" : "\"";
        break;
      case '\t':
        out += context == Context::Attribute ? "&#9;" : "\t";
        break;
      case '\n':
        out += context == Context::Attribute ? "&#10;" : "\n";
        break;
      case '\r':
        out += "&#13;";
        break;
      default:
        out += kReplacementCharacter;
        break;  // disallowed control or broken UTF-8
    }
    ++i;
    plainStart = i;
  }
  flushPlain();
}

}  // namespace

void AppendEscapedText(std::string& out, std::string_view value) { AppendEscaped(out, value, Context::Text); }

void AppendEscapedAttribute(std::string& out, std::string_view value) { AppendEscaped(out, value, Context::Attribute); }

std::string EscapedText(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  AppendEscapedText(out, value);
  return out;
}

}  // namespace ruvela
