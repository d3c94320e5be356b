// ruvela-convert as a function, so tests can run it with their own streams
// and their own interrupt: main() only wires up the process.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace ruvela::cli {

// Exit statuses; a run over several files ends with the worst one.
enum class ExitStatus : int {
  Converted = 0,
  NotConverted = 1,  // nothing convertible, or not a .gpx or .kml name
  Failed = 2,        // usage error, an input that cannot be loaded, an output that cannot be written
  Interrupted = 130,
};

struct CliEnvironment {
  // True once the user has asked to stop (Ctrl-C); read after every item.
  std::function<bool()> interruptRequested;
  // Standard error is a terminal: a progress line is shown there.
  bool errorIsTerminal = false;
  // True when standard output has no reader any more (a closed pipe): a
  // failed copy there ends quietly.
  std::function<bool()> outputClosed;
  // Where a document for standard output ("-o -") is kept until it is
  // complete; empty for the system's temporary directory.
  std::filesystem::path scratchDirectory;
};

// `args` are the arguments after the program name. Documents for "-o -",
// --help and --version go to `out`; everything else to `err`.
int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env);

}  // namespace ruvela::cli
