// The command line of ruvela-convert: every option is declared once, in one
// table, with its names, its argument, its help text, its default and the
// option field it sets. Parsing and --help (cli_texts) both read that table.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/gpx2kml_options.h"
#include "core/kml2gpx_options.h"

namespace ruvela::cli {

// What the user asked for on the command line.
struct CliRequest {
  std::vector<std::string> inputs;
  std::optional<std::string> output;  // -o; "-" means standard output
  bool force = false;
  bool quiet = false;
  bool help = false;
  bool version = false;
  Gpx2KmlOptions gpxOptions;  // handed to the converter as a stored setting would be
  Kml2GpxOptions kmlOptions;
};

enum class OptionGroup { General, GpxToKml, KmlToGpx };

struct OptionSpec {
  OptionGroup group;
  std::string_view name;      // long name, without "--"
  char shortName;             // '\0' when there is none
  std::string_view argument;  // name of the value in the help; empty for a switch
  std::string_view help;
  // The default as the help shows it, read from a default request so the
  // option records stay the one place that holds the defaults.
  std::string (*shownDefault)(const CliRequest& defaults);
  // Sets the request's field; false when the value is not acceptable.
  bool (*apply)(CliRequest& request, const std::string& value);
};

std::span<const OptionSpec> OptionTable();

struct ParsedArguments {
  CliRequest request;
  std::string error;  // a usage error, in words for the user; empty when none
};

// `args` are the arguments after the program name.
ParsedArguments ParseArguments(const std::vector<std::string>& args);

}  // namespace ruvela::cli
