#include "fuzz/fuzz_input.h"

#include <array>
#include <cstdint>

namespace ruvela::robustness {
namespace {

// Option texts that a settings store edited by hand, or a command line,
// could hold: limits, overflow, fractions, signs, markup, broken UTF-8.
constexpr std::array<std::string_view, 16> kOptionTexts = {"0",     "-32768", "32767",    "99999999999999999999999999",
                                                           "1e308", "-1e308", "12.5",     "-.5",
                                                           "abc",   "",       "<&\">",    "\xFF\xFE",
                                                           " 7 ",   "1,5",    " routes ", "25\r\n<x>"};

// Takes the option bytes one by one from the end of the input; 0 once they
// run out.
class OptionBytes {
 public:
  explicit OptionBytes(std::string_view& bytes) : bytes_(bytes) {}

  unsigned Next(unsigned choices) {
    if (bytes_.empty()) return 0;
    const auto byte = static_cast<std::uint8_t>(bytes_.back());
    bytes_.remove_suffix(1);
    return byte % choices;
  }

  std::string Text(const std::string& defaultText) {
    const unsigned choice = Next(kOptionTexts.size() + 1);
    return choice == 0 ? defaultText : std::string(kOptionTexts[choice - 1]);
  }

  CheckState State(CheckState defaultState) {
    const unsigned choice = Next(4);
    return choice == 0 ? defaultState : static_cast<CheckState>(choice - 1);
  }

 private:
  std::string_view& bytes_;
};

// Every track elevation mode, including the one a store edited by hand
// leaves when it selects no option; the first is the default.
void PickElevationRule(OptionBytes& pick, Gpx2KmlOptions& options) {
  constexpr TrackElevationMode kModes[] = {TrackElevationMode::Constant, TrackElevationMode::Amplified,
                                           TrackElevationMode::Recorded, TrackElevationMode::Unchosen};
  options.trackElevationMode = kModes[pick.Next(std::size(kModes))];
}

}  // namespace

ConversionInput ReadConversionInput(Direction direction, std::string_view bytes) {
  ConversionInput input;
  const std::size_t optionBytes = direction == Direction::GpxToKml ? kGpxOptionBytes : kKmlOptionBytes;
  std::string_view options = bytes.substr(bytes.size() > optionBytes ? bytes.size() - optionBytes : 0);
  input.document = std::string(bytes.substr(0, bytes.size() - options.size()));

  OptionBytes pick(options);
  if (direction == Direction::GpxToKml) {
    Gpx2KmlOptions& gpx = input.gpxOptions;
    PickElevationRule(pick, gpx);
    gpx.absoluteElevations = pick.State(gpx.absoluteElevations);
    gpx.addOffset = pick.State(gpx.addOffset);
    gpx.amplifyPercent = pick.Text(gpx.amplifyPercent);
    gpx.constantTrackElevation = pick.Text(gpx.constantTrackElevation);
    gpx.routeElevation = pick.Text(gpx.routeElevation);
    gpx.recordedOffset = pick.Text(gpx.recordedOffset);
    gpx.trackTimes = pick.State(gpx.trackTimes);
  } else {
    Kml2GpxOptions& kml = input.kmlOptions;
    kml.routeFolderName = pick.Text(kml.routeFolderName);
    kml.ignoreRouteWaypoints = pick.State(kml.ignoreRouteWaypoints);
    kml.autoNameRoutePoints = pick.State(kml.autoNameRoutePoints);
    kml.duplicateRouteWaypoints = pick.State(kml.duplicateRouteWaypoints);
    kml.pathsAsTracks = pick.State(kml.pathsAsTracks);
    kml.pointTimes = pick.State(kml.pointTimes);
  }
  return input;
}

}  // namespace ruvela::robustness
