#include "core/gpx2kml_options.h"

#include "core/settings_keys.h"

namespace ruvela {
namespace {

using namespace settings_keys;
using Row = OptionRow<Gpx2KmlOptions>;
using Options = Gpx2KmlOptions;

// clang-format off
constexpr Row kRows[] = {
    {.form = StoredForm::OptionButtons, .keys = {kOptCONSTT, kOptTrkMultip, kOptTrkTrueEle},
     .choice = &Options::trackElevationMode,
     .flags = {{{"tracks", "MODO",
                 "altura de los tracks: constant (--track-elevation), amplified (la registrada por --amplify) "
                 "o recorded (la registrada, más --offset)"}}}},
    {.form = StoredForm::Elevation, .keys = {kTxtT_ele}, .text = &Options::constantTrackElevation,
     .flags = {{{"track-elevation", "N", "altura constante de los tracks, en metros"}}}},
    {.form = StoredForm::Elevation, .keys = {kTxtR_ele}, .text = &Options::routeElevation,
     .flags = {{{"route-elevation", "N", "altura de las rutas, en metros"}}}},
    {.form = StoredForm::Percent, .keys = {kTxtTrkMultip}, .text = &Options::amplifyPercent,
     .flags = {{{"amplify", "PORCENTAJE", "amplificación de las alturas registradas"}}}},
    {.form = StoredForm::Elevation, .keys = {kTxtTrkOffset}, .text = &Options::recordedOffset,
     .flags = {{{"offset", "N", "altura que se suma a las alturas registradas, en metros"}}}},
    {.form = StoredForm::CheckBox, .keys = {kChkTrkOffset}, .check = &Options::addOffset,
     .flags = {{{"no-offset", "", "no suma --offset a las alturas registradas", CheckState::Unchecked}}}},
    {.form = StoredForm::CheckBox, .keys = {kChkTrkEleABS}, .check = &Options::absoluteElevations,
     .flags = {{{"absolute", "", "toma las alturas de los tracks en valor absoluto"},
                {"no-absolute", "", "conserva el signo de las alturas de los tracks", CheckState::Unchecked}}}},
};
// clang-format on

constexpr OptionTable<Gpx2KmlOptions> kTable{kGpx2KmlSection, kGpx2KmlKeys, kRows};

}  // namespace

const OptionTable<Gpx2KmlOptions>& GpxToKmlOptionTable() { return kTable; }

}  // namespace ruvela
