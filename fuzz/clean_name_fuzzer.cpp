// CleanName on any bytes: one output character per UTF-16 unit of the input
// (a byte that is not UTF-8 counts as one), every output character from the
// cleaned alphabet, and letters and digits kept.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/name_cleaning.h"

namespace {

constexpr std::string_view kAlphabet =
    " ()+-.0123456789<>ABCDEFGHIJKLMNOPQRSTUVWXYZ[]_abcdefghijklmnopqrstuvwxyz{}";

void Fail(const char* rule) {
  std::fprintf(stderr, "broken rule: %s\n", rule);
  std::abort();
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence at `at`, 0 when there is none.
// Surrogates written as three bytes count as sequences: the parser writes
// them so when a UTF-16 document holds a lone one, and there each is one
// unit of the name.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
  std::uint32_t smallest = 0;
  std::uint32_t code = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC0 && lead < 0xE0) length = 2, smallest = 0x80, code = lead & 0x1Fu;
  else if (lead >= 0xE0 && lead < 0xF0) length = 3, smallest = 0x800, code = lead & 0x0Fu;
  else if (lead >= 0xF0 && lead < 0xF8) length = 4, smallest = 0x10000, code = lead & 0x07u;
  else return 0;
  if (at + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if (!IsContinuation(next)) return 0;
    code = (code << 6) | (next & 0x3Fu);
  }
  return code >= smallest && code <= 0x10FFFF ? length : 0;
}

// The expected length of the cleaned name, and whether the input was UTF-8
// throughout.
std::size_t ExpectedLength(std::string_view text, bool& wellFormed) {
  std::size_t units = 0;
  wellFormed = true;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = SequenceLength(text, at);
    if (length == 0) {
      wellFormed = false;
      ++units;
      ++at;
    } else {
      units += length == 4 ? 2 : 1;
      at += length;
    }
  }
  return units;
}

bool IsAsciiAlphanumeric(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view name(reinterpret_cast<const char*>(data), size);
  const std::string cleaned = ruvela::CleanName(name);

  bool wellFormed = true;
  if (cleaned.size() != ExpectedLength(name, wellFormed)) Fail("length differs from the input's UTF-16 length");
  if (cleaned.find_first_not_of(kAlphabet) != std::string::npos) Fail("a character outside the alphabet");

  bool ascii = true;
  for (char c : name) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) {
    for (std::size_t i = 0; i < name.size(); ++i) {
      if (IsAsciiAlphanumeric(name[i]) && cleaned[i] != name[i]) Fail("a letter or digit changed");
    }
  }

  // Character by character: cleaning two halves cut between characters
  // gives the same as cleaning the whole.
  if (wellFormed && !name.empty()) {
    std::size_t cut = name.size() / 2;
    while (cut > 0 && IsContinuation(static_cast<unsigned char>(name[cut]))) --cut;
    if (ruvela::CleanName(name.substr(0, cut)) + ruvela::CleanName(name.substr(cut)) != cleaned) {
      Fail("cleaning depends on what stands around a character");
    }
  }
  return 0;
}
