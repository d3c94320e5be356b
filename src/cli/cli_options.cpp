#include "cli/cli_options.h"

#include <algorithm>
#include <vector>

#include "cli/cli_texts.h"
#include "cli/command_line_flags.h"

namespace ruvela::cli {
namespace {

const OptionSpec* FindLong(std::string_view name) {
  const auto& flags = CommandLineFlags();
  const auto found = std::find_if(flags.begin(), flags.end(), [&](const OptionSpec& o) { return o.flag.name == name; });
  return found == flags.end() ? nullptr : &*found;
}

const OptionSpec* FindShort(char name) {
  const auto& flags = CommandLineFlags();
  const auto found = std::find_if(flags.begin(), flags.end(), [&](const OptionSpec& o) { return o.shortName == name; });
  return found == flags.end() ? nullptr : &*found;
}

std::string Shown(const OptionSpec& option) {
  return option.shortName != '\0' ? std::string{'-', option.shortName} : "--" + std::string(option.flag.name);
}

// Reads one command line from left to right; the first mistake ends it.
class ArgumentReader {
 public:
  explicit ArgumentReader(const std::vector<std::string>& args) : args_(args) {}

  ParsedArguments read() {
    bool optionsEnded = false;
    while (next_ < args_.size() && parsed_.error.empty()) {
      const std::string& arg = args_[next_++];
      if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
        parsed_.request.inputs.push_back(arg);
      } else if (arg == "--") {
        optionsEnded = true;
      } else if (arg.starts_with("--")) {
        readLongOption(arg.substr(2));
      } else {
        readShortOptions(arg);
      }
    }
    if (parsed_.error.empty()) checkInputs();
    return parsed_;
  }

 private:
  void readLongOption(const std::string& text) {
    const auto equals = text.find('=');
    const std::string name = text.substr(0, equals);
    const OptionSpec* option = FindLong(name);
    if (option == nullptr) return fail("opción desconocida: --" + Escaped(name));
    if (option->flag.argument.empty()) {
      if (equals != std::string::npos) return fail("la opción --" + Escaped(name) + " no lleva valor");
      option->apply(parsed_.request, {});
      return;
    }
    if (equals != std::string::npos) return apply(*option, text.substr(equals + 1));
    applyNextArgument(*option);
  }

  // "-fq" sets both switches; "-oRUTA" and "-o RUTA" both give a value.
  void readShortOptions(const std::string& arg) {
    for (std::size_t i = 1; i < arg.size(); ++i) {
      const OptionSpec* option = FindShort(arg[i]);
      if (option == nullptr) return fail("opción desconocida: -" + Escaped(arg.substr(i, 1)));
      if (option->flag.argument.empty()) {
        option->apply(parsed_.request, {});
        continue;
      }
      if (i + 1 < arg.size()) return apply(*option, arg.substr(i + 1));
      return applyNextArgument(*option);
    }
  }

  void applyNextArgument(const OptionSpec& option) {
    if (next_ >= args_.size()) return fail("falta el valor de " + Shown(option));
    apply(option, args_[next_++]);
  }

  void apply(const OptionSpec& option, const std::string& value) {
    if (!option.apply(parsed_.request, value))
      fail("valor no válido para " + Shown(option) + ": \"" + Escaped(value) + "\"");
  }

  void checkInputs() {
    const CliRequest& request = parsed_.request;
    if (request.help || request.version) return;
    if (request.inputs.empty()) return fail("falta el ARCHIVO que convertir");
    if (request.output && request.inputs.size() > 1) fail("-o admite un solo ARCHIVO");
  }

  void fail(std::string message) { parsed_.error = std::move(message); }

  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
  ParsedArguments parsed_;
};

}  // namespace

ParsedArguments ParseArguments(const std::vector<std::string>& args) { return ArgumentReader(args).read(); }

}  // namespace ruvela::cli
