// Option values of the GPX to KML direction: at what elevation tracks and
// routes are drawn. Number fields are texts, exactly as a stored setting or
// an option box holds them; the converter reduces them itself.
#pragma once

#include <string>

#include "core/check_state.h"

namespace ruvela {

// Where track points get their elevation from.
enum class TrackElevationMode {
  Constant,   // every point at constantTrackElevation, drawn relative to the ground
  Amplified,  // recorded elevations times amplifyPercent / 100
  Recorded,   // recorded elevations, plus recordedOffset when addOffset
  // No choice made: only a stored setting can leave all three option buttons
  // clear. Points keep the constant elevation, but the line is drawn at
  // absolute altitudes rather than relative to the ground.
  Unchosen,
};

struct Gpx2KmlOptions {
  TrackElevationMode trackElevationMode = TrackElevationMode::Constant;
  CheckState absoluteElevations = CheckState::Checked;  // elevations taken as absolute values
  CheckState addOffset = CheckState::Checked;           // add recordedOffset to recorded elevations

  std::string amplifyPercent = "200";
  std::string constantTrackElevation = "25";
  std::string routeElevation = "25";  // routes are always drawn at this elevation
  std::string recordedOffset = "50";  // extra elevation for recorded tracks
};

}  // namespace ruvela
