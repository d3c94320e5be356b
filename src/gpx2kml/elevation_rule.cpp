#include "gpx2kml/elevation_rule.h"

#include <cmath>
#include <utility>

#include "values/number_text.h"

namespace ruvela {

ElevationRule::ElevationRule(const Gpx2KmlOptions& options)
    : mode_(options.trackElevationMode),
      absolute_(options.absoluteElevations == CheckState::Checked),
      // A grayed box lets the offset be edited, so it counts as checked here.
      offset_(options.addOffset != CheckState::Unchecked ? ElevationValue(NormalizeNumber(options.recordedOffset))
                                                         : 0.0),
      percent_(ElevationValue(NormalizeNumber(options.amplifyPercent))),
      constant_(makeAbsoluteIfAsked({NormalizeNumber(options.constantTrackElevation), 0.0})) {
  // The constant text is written as given, even when it is not a number.
  if (!absolute_) constant_.value = ElevationValue(constant_.text) + 0.0;
}

TrackElevation ElevationRule::makeAbsoluteIfAsked(TrackElevation elevation) const {
  if (absolute_) {
    elevation.value = std::fabs(ElevationValue(NormalizeNumber(elevation.text)));
    elevation.text = NumberText(elevation.value);
  }
  elevation.value += 0.0;  // no negative zero
  return elevation;
}

TrackElevation ElevationRule::apply(std::string_view recorded) const {
  TrackElevation elevation;
  switch (mode_) {
    case TrackElevationMode::Constant:
    case TrackElevationMode::Unchosen:
      return constant_;
    case TrackElevationMode::Recorded:
      elevation.value = std::floor(ElevationValue(recorded) + offset_);
      elevation.text = NumberText(elevation.value);
      break;
    case TrackElevationMode::Amplified:
      // Negative products are floored too: -12.5 becomes -13.
      elevation.value = std::floor(percent_ * ElevationValue(recorded) / 100.0);
      elevation.text = NumberText(elevation.value);
      break;
  }
  return makeAbsoluteIfAsked(std::move(elevation));
}

}  // namespace ruvela
