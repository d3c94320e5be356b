#include "core/kml2gpx_options.h"

#include "core/settings_keys.h"

namespace ruvela {
namespace {

using namespace settings_keys;
using Row = OptionRow<Kml2GpxOptions>;
using Options = Kml2GpxOptions;

// clang-format off
constexpr Row kRows[] = {
    {.form = StoredForm::FreeText, .keys = {kTxtRouteItFolderName}, .text = &Options::routeFolderName,
     .flags = {{{"route-folder", "NOMBRE", "carpeta cuyos puntos se convierten en rutas"}}}},
    {.form = StoredForm::CheckBox, .keys = {kChkAutoWRName}, .check = &Options::autoNameRoutePoints,
     .flags = {{{"auto-names", "", "nombra los puntos de ruta 000-NombreRuta"},
                {"no-auto-names", "", "los puntos de ruta conservan su nombre", CheckState::Unchecked}}}},
    {.form = StoredForm::CheckBox, .keys = {kChkDupWpts}, .check = &Options::duplicateRouteWaypoints,
     .flags = {{{"duplicate", "", "copia además los puntos de ruta como waypoints"}}}},
    {.form = StoredForm::CheckBox, .keys = {kChkIgnoreRtWpts}, .check = &Options::ignoreRouteWaypoints,
     .flags = {{{"ignore-route-waypoints", "", "no escribe los puntos de ruta como waypoints"}}}},
    {.form = StoredForm::CheckBox, .keys = {kChkPathsAsTracks}, .check = &Options::pathsAsTracks,
     .flags = {{{"paths-as-tracks", "", "convierte los caminos (LineString, MultiGeometry, gx:Track) en tracks"}}}},
};
// clang-format on

constexpr OptionTable<Kml2GpxOptions> kTable{kKml2GpxSection, kKml2GpxKeys, kRows};

}  // namespace

const OptionTable<Kml2GpxOptions>& KmlToGpxOptionTable() { return kTable; }

}  // namespace ruvela
