// Option values of the GPX to KML direction: at what elevation tracks and
// routes are drawn, and whether the times of points go with them. Number
// fields are texts, exactly as a stored setting or an option box holds them;
// the converter reduces them itself. The initial values are the defaults.
#pragma once

#include <string>

#include "option_values/check_state.h"
#include "option_values/track_elevation_mode.h"

namespace ruvela {

struct Gpx2KmlOptions {
  TrackElevationMode trackElevationMode = TrackElevationMode::Constant;
  CheckState absoluteElevations = CheckState::Checked;  // elevations taken as absolute values
  CheckState addOffset = CheckState::Checked;           // add recordedOffset to recorded elevations
  CheckState trackTimes = CheckState::Unchecked;        // timed tracks as gx:Track, waypoint times as TimeStamp

  std::string amplifyPercent = "200";
  std::string constantTrackElevation = "25";
  std::string routeElevation = "25";  // routes are always drawn at this elevation
  std::string recordedOffset = "50";  // extra elevation for recorded tracks

  bool operator==(const Gpx2KmlOptions&) const = default;
};

}  // namespace ruvela
