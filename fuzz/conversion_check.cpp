#include "fuzz/conversion_check.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string_view>
#include <utility>

#include "support/test_files.h"

namespace ruvela::robustness {
namespace {

class NoProgress final : public ConversionProgress {};

std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteWholeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool AllZero(const ConversionCounts& c) {
  return c.waypoints == 0 && c.routePoints == 0 && c.trackPoints == 0 && c.folders == 0 && c.zeroElevation == 0 &&
         c.negativeElevation == 0 && c.pointsWithoutPosition == 0 && c.tracksWithoutTimes == 0 && c.folderList.empty();
}

bool AnyNegative(const ConversionCounts& c) {
  return c.waypoints < 0 || c.routePoints < 0 || c.trackPoints < 0 || c.folders < 0 || c.zeroElevation < 0 ||
         c.negativeElevation < 0 || c.pointsWithoutPosition < 0 || c.tracksWithoutTimes < 0;
}

// The rules of a load that failed: the user is told why, and the output
// (the pending result of a window) is empty, not half a document.
std::string CheckLoadFailure(const ConversionResult& result, const ConversionCounts& counts,
                             const std::string& output) {
  if (!result.closingText.empty()) return "a failed load returned \"" + result.closingText + "\"";
  if (result.failure.ok()) return "a failed load gives no reason";
  if (!output.empty()) return "a failed load left " + std::to_string(output.size()) + " bytes of output";
  if (!AllZero(counts)) return "a failed load left counts behind";
  return {};
}

std::int64_t Occurrences(std::string_view text, std::string_view what) {
  std::int64_t found = 0;
  for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + what.size())) ++found;
  return found;
}

// Each gx:Track pairs its times with its positions one to one, and a
// document holds time elements only when they were asked for.
std::string CheckTimedTracks(const Gpx2KmlOptions& gpxOptions, const ConversionCounts& counts,
                             std::string_view output) {
  const bool asked = gpxOptions.trackTimes == CheckState::Checked;
  if (!asked && (counts.tracksWithoutTimes != 0 || output.find("<when>") != std::string_view::npos)) {
    return "times written or counted without being asked for";
  }
  for (std::size_t start = output.find("<gx:Track>"); start != std::string_view::npos;
       start = output.find("<gx:Track>", start + 1)) {
    const std::string_view track = output.substr(start, output.find("</gx:Track>", start) - start);
    if (Occurrences(track, "<when>") != Occurrences(track, "<gx:coord>")) return "a gx:Track with unpaired times";
  }
  return {};
}

// The rules of a conversion that completed, with or without points.
std::string CheckCompleted(Direction direction, const Gpx2KmlOptions& gpxOptions, const Kml2GpxOptions& kmlOptions,
                           const ConversionResult& result, const ConversionCounts& counts, const std::string& output) {
  if (result.closingText.empty()) return "a completed conversion returned no closing text";
  if (!output.ends_with(result.closingText)) return "the output does not end with the closing text";
  if (const std::string why = WhyNotWellFormed(output); !why.empty()) return "output not well-formed: " + why;
  const std::int64_t points = std::int64_t{counts.waypoints} + counts.routePoints + counts.trackPoints;
  if ((points > 0) != (result.status == ConversionStatus::Completed)) return "the outcome disagrees with the counts";
  if (direction == Direction::GpxToKml) {
    if (std::int64_t{counts.zeroElevation} + counts.negativeElevation > counts.trackPoints) {
      return "more zero and negative track points than track points";
    }
    if (counts.folders != 0 || !counts.folderList.empty()) return "GPX input counted folders";
    if (const std::string why = CheckTimedTracks(gpxOptions, counts, output); !why.empty()) return why;
  } else {
    if (counts.routePoints > counts.waypoints) return "more route points than point placemarks";
    if (counts.trackPoints != 0 && kmlOptions.pathsAsTracks != CheckState::Checked) {
      return "KML input counted track points without being asked for tracks";
    }
    if (std::ssize(counts.folderList) != counts.folders) return "the folder list does not match the folder count";
  }
  return {};
}

bool IsXmlCharacter(std::uint32_t code) {
  return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
         (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

// The referenced character, or a value above U+10FFFF when `reference`
// (the text between "&#" and ";") is not a number.
std::uint32_t ReferencedCode(std::string_view reference) {
  const bool hex = !reference.empty() && reference.front() == 'x';
  if (hex) reference.remove_prefix(1);
  if (reference.empty() || reference.size() > 8) return 0x110000;
  std::uint32_t code = 0;
  for (const char c : reference) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return 0x110000;
    code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
  }
  return code;
}

bool IsReference(std::string_view name) {
  if (name == "lt" || name == "gt" || name == "amp" || name == "quot" || name == "apos") return true;
  return name.size() > 1 && name.front() == '#' && IsXmlCharacter(ReferencedCode(name.substr(1)));
}

// Every "&" outside CDATA sections, comments and processing instructions
// must begin one of the five entity references or a reference to a
// character XML allows (&#1; is not one). The parser lets both go by.
std::string BadReference(std::string_view bytes) {
  constexpr std::pair<std::string_view, std::string_view> kVerbatim[] = {
      {"<![CDATA[", "]]>"}, {"<!--", "-->"}, {"<?", "?>"}};
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    for (const auto& [open, close] : kVerbatim) {
      if (bytes.substr(at).starts_with(open)) at = std::min(bytes.find(close, at + open.size()), bytes.size());
    }
    if (at >= bytes.size() || bytes[at] != '&') continue;
    const std::size_t end = bytes.find(';', at);
    if (end == std::string_view::npos || end - at > 12 || !IsReference(bytes.substr(at + 1, end - at - 1))) {
      return "a bad reference at " + std::to_string(at);
    }
  }
  return {};
}

}  // namespace

std::string WhyNotWellFormed(const std::string& bytes) {
  std::string why;
  if (!testing::IsWellFormedXml(bytes, &why)) return why.empty() ? "no document element" : why;
  return BadReference(bytes);
}

CheckedConversion ConvertAndCheck(const std::filesystem::path& directory, Direction direction,
                                  std::string_view document, const Gpx2KmlOptions& gpxOptions,
                                  const Kml2GpxOptions& kmlOptions) {
  const auto input = directory / (direction == Direction::GpxToKml ? "in.gpx" : "in.kml");
  const auto output = directory / "out.tmp";
  WriteWholeFile(input, document);

  NoProgress progress;
  CheckedConversion checked;
  checked.input = input;
  const ConversionResult result =
      ConvertInput(direction, input, "in", output, gpxOptions, kmlOptions, progress, checked.counts);
  checked.outcome = result.status;
  checked.output = ReadWholeFile(output);

  if (AnyNegative(checked.counts)) {
    checked.problem = "a counter went below zero";
    return checked;
  }
  switch (result.status) {
    case ConversionStatus::InputNotLoaded:
      checked.problem = CheckLoadFailure(result, checked.counts, checked.output);
      break;
    case ConversionStatus::Completed:
    case ConversionStatus::NothingConvertible:
      checked.problem = CheckCompleted(direction, gpxOptions, kmlOptions, result, checked.counts, checked.output);
      break;
    case ConversionStatus::OutputNotWritten:
      checked.problem = "the output could not be written: " + result.failure.path.string();
      break;
    case ConversionStatus::Stopped:
      checked.problem = "stopped although nobody asked";
      break;
  }
  return checked;
}

}  // namespace ruvela::robustness
