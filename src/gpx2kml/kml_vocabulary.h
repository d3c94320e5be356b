// The fixed texts of the KML documents we write.
#pragma once

namespace ruvela::kml {

inline constexpr const char* kNamespace = "http://earth.google.com/kml/2.0";
// A document holding times is KML 2.2, which has TimeStamp, with Google's
// extensions, which have gx:Track.
inline constexpr const char* kTimedNamespace = "http://www.opengis.net/kml/2.2";
inline constexpr const char* kExtensionsNamespace = "http://www.google.com/kml/ext/2.2";
inline constexpr const char* kLineEnd = "\r\n";

// Kind folders and the literal values the converter hands the writer.
inline constexpr const char* kWaypointsFolder = "Waypoints";
inline constexpr const char* kRoutesFolder = "Routes";
inline constexpr const char* kTracksFolder = "Tracks";
inline constexpr const char* kRouteLineColour = "ffffff00";  // opaque cyan (alpha, blue, green, red)
inline constexpr const char* kRouteFillColour = "40ff0000";  // translucent blue
inline constexpr const char* kTrackLineColour = "ff00ffff";  // opaque yellow
inline constexpr const char* kTrackFillColour = "4000ff00";  // translucent green
inline constexpr const char* kWaypointVisibility = "1";
inline constexpr const char* kRoutePointVisibility = "0";

// Icon kinds of a point placemark.
inline constexpr short kWaypointIcon = 0;
inline constexpr short kRoutePointIcon = 1;

}  // namespace ruvela::kml
