// Every flag of ruvela-convert in the order --help lists them: its own
// general flags, then those of the two option tables.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "settings/option_tables.h"

namespace ruvela::cli {

enum class OptionGroup { General, GpxToKml, KmlToGpx };

struct OptionSpec {
  OptionGroup group;
  CommandLineFlag flag;
  char shortName = '\0';     // '\0' when there is none
  std::string shownDefault;  // the default as --help shows it; empty when none
  // Sets the request's field; false when the value is not acceptable.
  std::function<bool(CliRequest& request, const std::string& value)> apply;
};

const std::vector<OptionSpec>& CommandLineFlags();

}  // namespace ruvela::cli
