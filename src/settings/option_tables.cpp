#include "settings/option_tables.h"

#include "settings/settings_keys.h"

namespace ruvela {
namespace {

using namespace settings_keys;

// clang-format off
constexpr OptionRow<Gpx2KmlOptions> kGpxToKmlRows[] = {
    {.form = StoredForm::OptionButtons, .keys = {kConstantTracksKey, kAmplifiedTracksKey, kRecordedTracksKey},
     .choice = &Gpx2KmlOptions::trackElevationMode,
     .flags = {{{"tracks", "MODO",
                 "altura de los tracks: constant (--track-elevation), amplified (la registrada por --amplify) "
                 "o recorded (la registrada, más --offset)"}}}},
    {.form = StoredForm::Elevation, .keys = {kConstantTrackElevationKey},
     .text = &Gpx2KmlOptions::constantTrackElevation,
     .flags = {{{"track-elevation", "N", "altura constante de los tracks, en metros"}}}},
    {.form = StoredForm::Elevation, .keys = {kRouteElevationKey}, .text = &Gpx2KmlOptions::routeElevation,
     .flags = {{{"route-elevation", "N", "altura de las rutas, en metros"}}}},
    {.form = StoredForm::Percent, .keys = {kAmplifyPercentKey}, .text = &Gpx2KmlOptions::amplifyPercent,
     .flags = {{{"amplify", "PORCENTAJE", "amplificación de las alturas registradas"}}}},
    {.form = StoredForm::Elevation, .keys = {kRecordedOffsetKey}, .text = &Gpx2KmlOptions::recordedOffset,
     .flags = {{{"offset", "N", "altura que se suma a las alturas registradas, en metros"}}}},
    {.form = StoredForm::CheckBox, .keys = {kAddOffsetKey}, .check = &Gpx2KmlOptions::addOffset,
     .flags = {{{"no-offset", "", "no suma --offset a las alturas registradas", CheckState::Unchecked}}}},
    {.form = StoredForm::CheckBox, .keys = {kAbsoluteElevationsKey}, .check = &Gpx2KmlOptions::absoluteElevations,
     .flags = {{{"absolute", "", "toma las alturas de los tracks en valor absoluto"},
                {"no-absolute", "", "conserva el signo de las alturas de los tracks", CheckState::Unchecked}}}},
    {.form = StoredForm::CheckBox, .keys = {kTrackTimesKey}, .check = &Gpx2KmlOptions::trackTimes,
     .flags = {{{"track-times", "",
                 "escribe los tracks con fecha y hora en cada punto como gx:Track, que el globo virtual "
                 "reproduce en el tiempo, y la fecha y hora de los waypoints"}}}},
};

constexpr OptionRow<Kml2GpxOptions> kKmlToGpxRows[] = {
    {.form = StoredForm::FreeText, .keys = {kRouteFolderNameKey}, .text = &Kml2GpxOptions::routeFolderName,
     .flags = {{{"route-folder", "NOMBRE", "carpeta cuyos puntos se convierten en rutas"}}}},
    {.form = StoredForm::CheckBox, .keys = {kAutoNameRoutePointsKey}, .check = &Kml2GpxOptions::autoNameRoutePoints,
     .flags = {{{"auto-names", "", "nombra los puntos de ruta 000-NombreRuta"},
                {"no-auto-names", "", "los puntos de ruta conservan su nombre", CheckState::Unchecked}}}},
    {.form = StoredForm::CheckBox, .keys = {kDuplicateRouteWaypointsKey},
     .check = &Kml2GpxOptions::duplicateRouteWaypoints,
     .flags = {{{"duplicate", "", "copia además los puntos de ruta como waypoints"}}}},
    {.form = StoredForm::CheckBox, .keys = {kIgnoreRouteWaypointsKey}, .check = &Kml2GpxOptions::ignoreRouteWaypoints,
     .flags = {{{"ignore-route-waypoints", "", "no escribe los puntos de ruta como waypoints"}}}},
    {.form = StoredForm::CheckBox, .keys = {kPathsAsTracksKey}, .check = &Kml2GpxOptions::pathsAsTracks,
     .flags = {{{"paths-as-tracks", "", "convierte los caminos (LineString, MultiGeometry, gx:Track) en tracks"}}}},
    {.form = StoredForm::CheckBox, .keys = {kPointTimesKey}, .check = &Kml2GpxOptions::pointTimes,
     .flags = {{{"point-times", "", "escribe la fecha y hora (TimeStamp) de los puntos en sus waypoints y puntos de ruta"}}}},
};
// clang-format on

}  // namespace

const OptionTable<Gpx2KmlOptions>& GpxToKmlOptionTable() {
  static constexpr OptionTable<Gpx2KmlOptions> table{kGpx2KmlSection, kGpx2KmlKeys, kGpxToKmlRows};
  return table;
}

const OptionTable<Kml2GpxOptions>& KmlToGpxOptionTable() {
  static constexpr OptionTable<Kml2GpxOptions> table{kKml2GpxSection, kKml2GpxKeys, kKmlToGpxRows};
  return table;
}

}  // namespace ruvela
