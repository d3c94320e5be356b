// ruvela-convert: converts GPX files to KML and KML files to GPX without the
// window. Everything but the process wiring is in RunConvert.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/platform.h"
#include "cli/run_convert.h"
#include "files/parser_memory.h"

namespace {

// Set by Ctrl-C, a request to terminate or a closed terminal; the converter
// sees it after its next item and stops, and the hidden temporary output is
// removed.
volatile std::sig_atomic_t interruptRequested = 0;

void OnInterrupt(int) { interruptRequested = 1; }

}  // namespace

int main(int argc, char** argv) {
  ruvela::UseParserMemoryPool();  // before any document is read
  ruvela::cli::CatchEndingSignals(OnInterrupt);
  std::ios::sync_with_stdio(false);
  ruvela::cli::UseBinaryStandardOutput();

  ruvela::cli::CliEnvironment env;
  env.interruptRequested = [] { return interruptRequested != 0; };
  env.errorIsTerminal = ruvela::cli::StandardErrorIsTerminal();
  env.outputClosed = ruvela::cli::StandardOutputIsClosed;

  const std::vector<std::string> args(argv + 1, argv + argc);
  return ruvela::cli::RunConvert(args, std::cout, std::cerr, env);
}
