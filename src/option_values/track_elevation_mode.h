// Where track points get their elevation from, and the names the command
// line gives the choices.
#pragma once

#include <optional>
#include <string_view>

namespace ruvela {

// The first three are one group of option buttons, stored under one key
// each in this order.
enum class TrackElevationMode {
  Constant,   // every point at the constant track elevation, drawn relative to the ground
  Amplified,  // recorded elevations times the amplification percentage
  Recorded,   // recorded elevations, plus the extra elevation when it is asked for
  // No choice made: only a stored setting can leave all three buttons clear.
  // Points keep the constant elevation, but the line is drawn at absolute
  // altitudes rather than relative to the ground.
  Unchosen,
};

// "constant", "amplified", "recorded"; the empty text for Unchosen.
std::string_view TrackElevationModeName(TrackElevationMode mode);
std::optional<TrackElevationMode> TrackElevationModeNamed(std::string_view name);

// The mode once the option button of `button` has been set or cleared:
// selecting chooses it, clearing the chosen one leaves no choice.
TrackElevationMode ModeAfterOptionButton(TrackElevationMode mode, TrackElevationMode button, bool selected);

}  // namespace ruvela
