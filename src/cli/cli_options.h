// The command line of ruvela-convert: what the user asked for, read from the
// arguments by the flags of command_line_flags.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "option_values/gpx2kml_options.h"
#include "option_values/kml2gpx_options.h"

namespace ruvela::cli {

// What the user asked for on the command line.
struct CliRequest {
  std::vector<std::string> inputs;
  std::optional<std::string> output;  // -o; "-" means standard output
  bool force = false;
  bool quiet = false;
  bool help = false;
  bool version = false;
  Gpx2KmlOptions gpxOptions;  // handed to the converter as the option dialogs would
  Kml2GpxOptions kmlOptions;
};

struct ParsedArguments {
  CliRequest request;
  std::string error;  // a usage error, in words for the user; empty when none
};

// `args` are the arguments after the program name.
ParsedArguments ParseArguments(const std::vector<std::string>& args);

}  // namespace ruvela::cli
