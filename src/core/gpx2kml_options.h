// Option values of the GPX to KML direction: at what elevation tracks and
// routes are drawn. Number fields are texts, exactly as a stored setting or
// an option box holds them; the converter reduces them itself.
#pragma once

#include <string>

#include "core/check_state.h"

namespace ruvela {

struct Gpx2KmlOptions {
  // One group: at most one of the three is selected.
  bool OptCONSTT = true;       // tracks at the constant elevation txtT_ele
  bool OptTrkMultip = false;   // recorded elevations amplified by txtTrkMultip percent
  bool OptTrkTrueEle = false;  // recorded elevations (plus txtTrkOffset when chkTrkOffset)

  CheckState chkTrkEleABS = CheckState::Checked;  // elevations taken as absolute values
  CheckState chkTrkOffset = CheckState::Checked;  // add txtTrkOffset to recorded elevations

  std::string txtTrkMultip = "200";  // amplification, percent
  std::string txtT_ele = "25";       // constant track elevation
  std::string txtR_ele = "25";       // constant route elevation
  std::string txtTrkOffset = "50";   // extra elevation for recorded tracks
};

}  // namespace ruvela
