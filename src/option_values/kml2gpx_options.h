// Option values of the KML to GPX direction: which folder yields routes, how
// the placemarks found there are treated, whether paths become tracks and
// whether the times of points are kept. The initial values are the defaults.
#pragma once

#include <string>

#include "option_values/check_state.h"

namespace ruvela {

struct Kml2GpxOptions {
  std::string routeFolderName = "Routes";                      // folder whose placemarks become routes
  CheckState ignoreRouteWaypoints = CheckState::Unchecked;     // route waypoints not written as waypoints
  CheckState autoNameRoutePoints = CheckState::Checked;        // route waypoints named 000-RouteName
  CheckState duplicateRouteWaypoints = CheckState::Unchecked;  // route waypoints also copied as waypoints
  CheckState pathsAsTracks = CheckState::Unchecked;            // paths (lines, gx:Track) written as tracks
  CheckState pointTimes = CheckState::Unchecked;               // a point's TimeStamp written as its time

  bool operator==(const Kml2GpxOptions&) const = default;
};

}  // namespace ruvela
