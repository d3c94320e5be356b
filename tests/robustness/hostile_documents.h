// Input documents that broken devices, other programs or attackers could
// hand the program, built in memory: malformed, in unexpected encodings,
// with entity tricks, or simply enormous.
#pragma once

#include <cstddef>
#include <string>

namespace ruvela::robustness {

// A small document of the given kind with one point, around `inner` text
// placed where a name goes.
std::string GpxWithWaypointName(const std::string& nameContent);
std::string KmlWithPlacemarkName(const std::string& nameContent);

// `document` re-encoded as UTF-16 little endian, without a byte-order mark
// (only for ASCII documents).
std::string Utf16LittleEndianWithoutBom(const std::string& asciiDocument);

// Entity definitions that would expand to about 10^9 "lol"s, used in a name.
std::string BillionLaughsGpx();
std::string BillionLaughsKml();

// A name that refers to an external entity naming the file at `path`.
std::string ExternalEntityGpx(const std::string& path);
std::string ExternalEntityKml(const std::string& path);

// `depth` nested elements between the root and its end tag, no point at all.
std::string DeeplyNestedGpx(std::size_t depth);
std::string DeeplyNestedKml(std::size_t depth);

// One point whose name element holds `depth` nested elements around a word.
std::string DeeplyNestedName(bool kml, std::size_t depth);

// One point with `count` extra attributes on it.
std::string ManyAttributesGpx(std::size_t count);
std::string ManyAttributesKml(std::size_t count);

// Coordinates made of `commas` commas and nothing else.
std::string CommaCoordinatesGpx(std::size_t commas);
std::string CommaCoordinatesKml(std::size_t commas);

// A route named "Ruta" of `points` route points.
std::string LongRouteGpx(std::size_t points);
// A track of `points` track points in one segment.
std::string LongTrackGpx(std::size_t points);
// A route folder "Routes" holding a folder "Ruta" of `points` point
// placemarks, which the default options name automatically.
std::string LongRouteFolderKml(std::size_t points);

}  // namespace ruvela::robustness
