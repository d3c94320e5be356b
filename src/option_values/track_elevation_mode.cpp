#include "option_values/track_elevation_mode.h"

#include <array>

namespace ruvela {
namespace {

constexpr std::array<std::string_view, 3> kNames = {"constant", "amplified", "recorded"};

}  // namespace

std::string_view TrackElevationModeName(TrackElevationMode mode) {
  const auto index = static_cast<std::size_t>(mode);
  return index < kNames.size() ? kNames[index] : std::string_view();
}

std::optional<TrackElevationMode> TrackElevationModeNamed(std::string_view name) {
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (kNames[i] == name) return static_cast<TrackElevationMode>(i);
  }
  return std::nullopt;
}

TrackElevationMode ModeAfterOptionButton(TrackElevationMode mode, TrackElevationMode button, bool selected) {
  if (selected) return button;
  return mode == button ? TrackElevationMode::Unchosen : mode;
}

}  // namespace ruvela
