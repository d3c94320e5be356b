// The fixed texts of the GPX documents we write.
#pragma once

namespace ruvela::gpx {

inline constexpr const char* kNamespace = "http://www.topografix.com/GPX/1/1";
inline constexpr const char* kSchemaLocation =
    "http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd";
inline constexpr const char* kSchemaInstanceNamespace = "http://www.w3.org/2001/XMLSchema-instance";
inline constexpr const char* kGarminNamespace = "http://www.garmin.com/xmlschemas/GpxExtensions/v2";
inline constexpr const char* kGarminSchemaLocation =
    "http://www.garmin.com/xmlschemas/GpxExtensions/v2 http://www.garmin.com/xmlschemas/GpxExtensionsv2.xsd";
inline constexpr const char* kLinkAddress = "https://example.org/ruvela";
inline constexpr const char* kLineEnd = "\r\n";

inline constexpr const char* kDescriptionSuffix = "(from GoogleEarth KML)";
inline constexpr const char* kWaypointSymbol = "Civil";
inline constexpr const char* kRouteWaypointSymbol = "Buoy, White";

}  // namespace ruvela::gpx
