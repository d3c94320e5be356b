// One input file of ruvela-convert, from its name to its output in place.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/cli_options.h"
#include "cli/run_convert.h"

namespace ruvela::cli {

// Converts `input` as `request` asks, reports on `err` (and writes the
// document to `out` for "-o -"), and tells how it went.
ExitStatus ConvertFile(const std::string& input, const CliRequest& request, std::ostream& out, std::ostream& err,
                       const CliEnvironment& env);

}  // namespace ruvela::cli
