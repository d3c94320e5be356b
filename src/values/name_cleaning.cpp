#include "values/name_cleaning.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace ruvela {

const char NameCharTable[257] =
    "                                "   // 0-31: control characters
    "        () + -  0123456789  < > "   // 32-63
    " ABCDEFGHIJKLMNOPQRSTUVWXYZ[ ] _"   // 64-95
    " abcdefghijklmnopqrstuvwxyz{ }  "   // 96-127
    "                                "   // 128-159
    "  cLoY s Ca<--R-o+23 u . 10>--- "   // 160-191
    "AAAAAAACEEEEIIIIDNOOOOOx0UUUUYpB"   // 192-223
    "aaaaaaaceeeeiiiionooooo-0uuuuypy";  // 224-255

namespace {

struct BestFitLetter {
  char16_t code;
  char letter;
};

constexpr BestFitLetter kBestFitLetters[] = {
#include "values/best_fit_letters.inc"
};

// The characters Windows-1252 holds at 0x80-0x9F: its table entries there
// are blanks, whatever letter they look like.
constexpr char16_t kWindows1252High[] = {0x0152, 0x0153, 0x0160, 0x0161, 0x0178, 0x017D, 0x017E, 0x0192, 0x02C6,
                                         0x02DC, 0x2013, 0x2014, 0x2018, 0x2019, 0x201A, 0x201C, 0x201D, 0x201E,
                                         0x2020, 0x2021, 0x2022, 0x2026, 0x2030, 0x2039, 0x203A, 0x20AC, 0x2122};

char CleanCharacter(std::uint32_t code) {
  if (code <= 0xFF) return NameCharTable[code];
  if (code > 0xFFFF || std::binary_search(std::begin(kWindows1252High), std::end(kWindows1252High), code)) {
    return ' ';
  }
  const auto found = std::lower_bound(std::begin(kBestFitLetters), std::end(kBestFitLetters), code,
                                      [](const BestFitLetter& entry, std::uint32_t c) { return entry.code < c; });
  return found != std::end(kBestFitLetters) && found->code == code ? found->letter : ' ';
}

// Decodes the UTF-8 sequence at `text[i]`; returns its length, or 0 when the
// bytes there are not a valid sequence.
std::size_t DecodeUtf8(std::string_view text, std::size_t i, std::uint32_t& code) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
  const auto continuation = [&](std::size_t k) { return i + k < text.size() && (byte(k) & 0xC0) == 0x80; };
  const unsigned char lead = byte(0);
  if (lead < 0x80) {
    code = lead;
    return 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF && continuation(1)) {
    code = ((lead & 0x1Fu) << 6) | (byte(1) & 0x3Fu);
    return 2;
  }
  if (lead >= 0xE0 && lead <= 0xEF && continuation(1) && continuation(2)) {
    code = ((lead & 0x0Fu) << 12) | ((byte(1) & 0x3Fu) << 6) | (byte(2) & 0x3Fu);
    return code >= 0x800 ? 3 : 0;
  }
  if (lead >= 0xF0 && lead <= 0xF4 && continuation(1) && continuation(2) && continuation(3)) {
    code = ((lead & 0x07u) << 18) | ((byte(1) & 0x3Fu) << 12) | ((byte(2) & 0x3Fu) << 6) | (byte(3) & 0x3Fu);
    return code >= 0x10000 && code <= 0x10FFFF ? 4 : 0;
  }
  return 0;
}

}  // namespace

std::string CleanName(std::string_view name) {
  std::string cleaned;
  cleaned.reserve(name.size());
  std::size_t i = 0;
  while (i < name.size()) {
    std::uint32_t code = 0;
    const std::size_t length = DecodeUtf8(name, i, code);
    if (length == 0) {
      cleaned += ' ';
      ++i;
      continue;
    }
    cleaned += CleanCharacter(code);
    if (code > 0xFFFF) cleaned += ' ';  // two UTF-16 units, two characters
    i += length;
  }
  return cleaned;
}

}  // namespace ruvela
