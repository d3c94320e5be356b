#include "fuzz/text_rules.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "settings/stored_values.h"
#include "values/name_cleaning.h"
#include "values/number_text.h"

namespace ruvela::robustness {
namespace {

constexpr std::string_view kNameAlphabet =
    " ()+-.0123456789<>ABCDEFGHIJKLMNOPQRSTUVWXYZ[]_abcdefghijklmnopqrstuvwxyz{}";

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence at `at`, 0 when there is none.
// Surrogates written as three bytes count as sequences: the parser writes
// them so when a UTF-16 document holds a lone one, and there each is one
// unit of the name.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  std::uint32_t smallest = 0;
  std::uint32_t code = 0;
  if (lead >= 0xC0 && lead < 0xE0) {
    length = 2, smallest = 0x80, code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead < 0xF0) {
    length = 3, smallest = 0x800, code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead < 0xF8) {
    length = 4, smallest = 0x10000, code = lead & 0x07u;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if (!IsContinuation(next)) return 0;
    code = (code << 6) | (next & 0x3Fu);
  }
  return code >= smallest && code <= 0x10FFFF ? length : 0;
}

// The length a cleaned name must have, and whether the input was UTF-8
// throughout.
std::size_t CleanedLength(std::string_view text, bool& wellFormed) {
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

bool IsAsciiAlphanumeric(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

std::string NumberTextRoundTripProblem(double value) {
  const std::string text = NumberText(value);
  if (text.empty()) return "NumberText gave the empty text";
  if (text == "-0") return "NumberText wrote a negative zero";
  if (LeadingNumberValue(text) != value) return "NumberText(" + text + ") does not read back as the same number";
  return {};
}

// True when `text` is exactly a decimal integer within [low, high].
bool IsIntegerIn(const std::string& text, long long low, long long high) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

bool IsDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

std::string CleanNameProblem(std::string_view name) {
  const std::string cleaned = CleanName(name);
  bool wellFormed = true;
  if (cleaned.size() != CleanedLength(name, wellFormed)) return "the length differs from the input's UTF-16 length";
  if (cleaned.find_first_not_of(kNameAlphabet) != std::string::npos) return "a character outside the alphabet";
  if (IsAscii(name)) {
    for (std::size_t i = 0; i < name.size(); ++i) {
      if (IsAsciiAlphanumeric(name[i]) && cleaned[i] != name[i]) return "a letter or digit changed";
    }
  }
  // Cleaning two halves cut between characters gives the whole's result.
  if (wellFormed && !name.empty()) {
    std::size_t cut = name.size() / 2;
    while (cut > 0 && IsContinuation(static_cast<unsigned char>(name[cut]))) --cut;
    if (CleanName(name.substr(0, cut)) + CleanName(name.substr(cut)) != cleaned) {
      return "cleaning depends on what stands around a character";
    }
  }
  return {};
}

std::string NumberTextProblem(std::string_view text) {
  const std::string normalized = NormalizeNumber(text);
  if (normalized.empty()) return "NormalizeNumber gave the empty text";
  if (normalized != "0" && !text.starts_with(normalized)) return "NormalizeNumber is neither \"0\" nor a prefix";
  if (normalized.find('.') != std::string::npos) return "NormalizeNumber kept a decimal point";

  const double leading = LeadingNumberValue(text);
  const double elevation = ElevationValue(text);
  if (!std::isfinite(leading)) return "LeadingNumberValue is not finite";
  if (!std::isfinite(elevation)) return "ElevationValue is not finite";
  if (!std::isfinite(ElevationValue(normalized))) return "ElevationValue of a normalized text is not finite";

  for (const double value : {leading, elevation, std::floor(elevation)}) {
    if (std::string problem = NumberTextRoundTripProblem(value); !problem.empty()) return problem;
  }
  return {};
}

std::string StoredValueProblem(std::string_view stored) {
  // Read only to show that any text is read without harm.
  (void)OptionSelectedFromText(stored);

  const CheckState state = CheckStateFromText(stored, CheckState::Grayed);
  if (state != CheckState::Unchecked && state != CheckState::Checked && state != CheckState::Grayed) {
    return "a check state outside 0-2";
  }
  if (!IsIntegerIn(PercentTextFromStore(stored, "200"), -32768, 32767)) return "an amplification outside 16 bits";

  const std::string elevation = ElevationTextFromStore(stored, "25");
  if (elevation != "25" && elevation != stored) return "an elevation neither as stored nor the fallback";
  if (StoredIntegerText(elevation) != NumberText(LeadingNumberValue(elevation))) {
    return "an accepted elevation that is not a whole 16-bit number";
  }
  if (!IsIntegerIn(StoredIntegerText(stored), -32768, 32767)) return "a stored number outside 16 bits";
  if (!IsDigits(NormalizedBoxText(stored))) return "a box text that is not a whole number of at least 0";

  const std::string trimmed = TrimmedText(stored);
  if (!trimmed.empty() && (trimmed.front() == ' ' || trimmed.back() == ' ')) return "blanks left around free text";
  if (stored.find(trimmed) == std::string_view::npos) return "free text changed inside";
  return {};
}

}  // namespace ruvela::robustness
