#include "cli/run_convert.h"

#include <algorithm>
#include <ostream>

#include "cli/cli_options.h"
#include "cli/cli_texts.h"
#include "cli/convert_file.h"
#include "ruvela/version.h"

namespace ruvela::cli {

int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
  const ParsedArguments parsed = ParseArguments(args);
  if (!parsed.error.empty()) {
    err << kProgramName << ": " << parsed.error << '\n' << kTryHelp << '\n';
    return static_cast<int>(ExitStatus::Failed);
  }
  const CliRequest& request = parsed.request;
  if (request.help) {
    out << HelpText();
    return static_cast<int>(ExitStatus::Converted);
  }
  if (request.version) {
    out << kProgramName << ' ' << kVersionText << '\n';
    return static_cast<int>(ExitStatus::Converted);
  }

  ExitStatus worst = ExitStatus::Converted;
  for (std::size_t i = 0; i < request.inputs.size(); ++i) {
    // A file in conversion notices Ctrl-C after its next item; one pressed
    // between two files keeps the next from starting.
    if (i > 0 && env.interruptRequested && env.interruptRequested()) {
      err << kProgramName << ": " << kCancelled << '\n';
      return static_cast<int>(ExitStatus::Interrupted);
    }
    const ExitStatus status = ConvertFile(request.inputs[i], request, out, err, env);
    if (status == ExitStatus::Interrupted) return static_cast<int>(status);
    worst = std::max(worst, status);
  }
  return static_cast<int>(worst);
}

}  // namespace ruvela::cli
