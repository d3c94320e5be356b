// The option tables of both directions: for every option its field, the
// settings key or keys and the form they are stored in, and its
// command-line flags with their help, in the order --help lists them.
#pragma once

#include "option_values/gpx2kml_options.h"
#include "option_values/kml2gpx_options.h"
#include "settings/option_table.h"

namespace ruvela {

const OptionTable<Gpx2KmlOptions>& GpxToKmlOptionTable();
const OptionTable<Kml2GpxOptions>& KmlToGpxOptionTable();

}  // namespace ruvela
