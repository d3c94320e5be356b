// The elevation at which a track point is drawn, derived from its recorded
// elevation by the GPX to KML options.
#pragma once

#include <string>
#include <string_view>

#include "option_values/gpx2kml_options.h"

namespace ruvela {

struct TrackElevation {
  std::string text;  // written into the coordinate line
  double value = 0;  // its numeric value, for the zero and negative counts
};

class ElevationRule {
 public:
  // Reads the options once; they cannot change while a conversion runs.
  explicit ElevationRule(const Gpx2KmlOptions& options);

  // `recorded` is the point's elevation text already cut to whole units.
  TrackElevation apply(std::string_view recorded) const;

 private:
  TrackElevation makeAbsoluteIfAsked(TrackElevation elevation) const;

  TrackElevationMode mode_;
  bool absolute_;            // only the box's checked state makes elevations absolute
  double offset_;            // added to recorded elevations (0 when unchecked)
  double percent_;           // amplification
  TrackElevation constant_;  // the constant elevation, the same for every point
};

}  // namespace ruvela
