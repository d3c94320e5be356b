#include "gpx2kml/elevation_rule.h"

#include <cmath>
#include <utility>

#include "core/number_text.h"

namespace ruvela {

ElevationRule::ElevationRule(const Gpx2KmlOptions& options)
    : kind_(options.OptTrkTrueEle  ? Kind::Recorded
            : options.OptTrkMultip ? Kind::Amplified
                                   : Kind::Constant),
      absolute_(options.chkTrkEleABS == CheckState::Checked),
      // A grayed box lets the offset be edited, so it counts as checked here.
      offset_(options.chkTrkOffset != CheckState::Unchecked ? ElevationValue(NormalizeNumber(options.txtTrkOffset))
                                                            : 0.0),
      percent_(ElevationValue(NormalizeNumber(options.txtTrkMultip))),
      constant_(MakeAbsoluteIfAsked({NormalizeNumber(options.txtT_ele), 0.0})) {
  // The constant text is written as given, even when it is not a number.
  if (!absolute_) constant_.value = ElevationValue(constant_.text) + 0.0;
}

TrackElevation ElevationRule::MakeAbsoluteIfAsked(TrackElevation elevation) const {
  if (absolute_) {
    elevation.value = std::fabs(ElevationValue(NormalizeNumber(elevation.text)));
    elevation.text = NumberText(elevation.value);
  }
  elevation.value += 0.0;  // no negative zero
  return elevation;
}

TrackElevation ElevationRule::Apply(std::string_view recorded) const {
  if (kind_ == Kind::Constant) return constant_;
  TrackElevation elevation;
  switch (kind_) {
    case Kind::Recorded:
      elevation.value = std::floor(ElevationValue(recorded) + offset_);
      elevation.text = NumberText(elevation.value);
      break;
    case Kind::Amplified:
      // Negative products are floored too: -12.5 becomes -13.
      elevation.value = std::floor(percent_ * ElevationValue(recorded) / 100.0);
      elevation.text = NumberText(elevation.value);
      break;
    case Kind::Constant:
      break;
  }
  return MakeAbsoluteIfAsked(std::move(elevation));
}

}  // namespace ruvela
