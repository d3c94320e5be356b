// The texts through which the counts of a conversion are shown: the three
// count lines, the folder line, the notice about tracks drawn at zero or
// negative elevation, and the notices of what was left out.
#pragma once

#include <cstdint>
#include <string>

#include "core/conversion.h"

namespace ruvela {

std::string WaypointCountText(std::int32_t count);    // "Waypoints    : pts = 12"
std::string RoutePointCountText(std::int32_t count);  // "Rutas        : pts = 3"
std::string TrackPointCountText(std::int32_t count);  // "Tracks       : pts = 4"
std::string FolderCountText(std::int32_t count);      // "Carpetas     : 2"

// Joins the folder and track point lines when a KML file gave both (its
// paths became tracks): "Carpetas     : 2 | Tracks       : pts = 40".
std::string FoldersAndTrackPointsText(const ConversionCounts& counts);

// True when some track point was drawn at zero or below: the track line then
// gains kElevationNoticeMark and the ElevationNotice tooltip.
bool HasElevationNotice(const ConversionCounts& counts);
inline constexpr const char* kElevationNoticeMark = " (*)";
// "Trackpoints de altura nula 33% (1)  de altura negativa 0% (0)"
std::string ElevationNotice(const ConversionCounts& counts);

// "3 puntos sin posición válida omitidos": the KML points that were left out
// because GPX cannot hold them without a valid latitude and longitude.
std::string OmittedPointsNotice(std::int32_t count);

// "2 tracks sin fecha y hora en cada punto, dibujados como líneas": the
// tracks that were to be written with their times but had a point without
// a valid one.
std::string UntimedTracksNotice(std::int32_t count);

// What the status line's tooltip and the end of a summary say about points
// left out and tracks drawn without their times: the notices that apply,
// joined by " | "; empty when none does.
std::string StatusNotices(const ConversionCounts& counts);

// Tooltip of the folder line once a KML file with folders was converted.
inline constexpr const char* kFolderViewerHint = "Doble click abre el visor de Carpetas procesadas.";

}  // namespace ruvela
