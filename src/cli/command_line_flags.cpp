#include "cli/command_line_flags.h"

#include <charconv>

namespace ruvela::cli {
namespace {

// A switch whose effect is already the default shows "(por defecto)".
constexpr const char* kIsDefault = "sí";

void AddGeneralFlags(std::vector<OptionSpec>& specs) {
  const auto add = [&](char shortName, CommandLineFlag flag, auto apply) {
    specs.push_back({OptionGroup::General, flag, shortName, {}, apply});
  };
  add('o',
      {"output", "RUTA", "archivo de salida (con un solo ARCHIVO); \"-\" escribe el documento en la salida estándar"},
      [](CliRequest& r, const std::string& v) {
        r.output = v;
        return !v.empty();
      });
  add('f', {"force", "", "reescribe un archivo de salida que ya existe y no está vacío"},
      [](CliRequest& r, const std::string&) { return r.force = true; });
  add('q', {"quiet", "", "sin línea de progreso ni resumen (los errores se muestran igual)"},
      [](CliRequest& r, const std::string&) { return r.quiet = true; });
  add('h', {"help", "", "muestra esta ayuda"}, [](CliRequest& r, const std::string&) { return r.help = true; });
  add('V', {"version", "", "muestra la versión"}, [](CliRequest& r, const std::string&) { return r.version = true; });
}

template <class Options>
std::string ShownDefault(const OptionRow<Options>& row, const CommandLineFlag& flag) {
  const Options defaults;
  if (row.choice != nullptr) return std::string(TrackElevationModeName(defaults.*row.choice));
  if (row.check != nullptr) return defaults.*row.check == flag.sets ? kIsDefault : "";
  return defaults.*row.text;
}

// Elevations and percentages: a decimal number ("-12", "7.5") within the
// range the option boxes of the window take. Exponents, infinities and
// blanks are not numbers here.
bool IsBoxNumber(const std::string& value) {
  constexpr double kLowest = -32768;
  constexpr double kHighest = 32767;
  const std::size_t digitsFrom = !value.empty() && (value[0] == '-' || value[0] == '+') ? 1 : 0;
  const std::size_t point = value.find('.');
  const auto isDigits = [&](std::size_t from, std::size_t to) {
    return from < to && value.find_first_not_of("0123456789", from) >= to;
  };
  const bool wellFormed = point == std::string::npos ? isDigits(digitsFrom, value.size())
                                                     : isDigits(digitsFrom, point) && isDigits(point + 1, value.size());
  if (!wellFormed) return false;
  double number = 0;
  const char* first = value.data() + (value[0] == '+' ? 1 : 0);
  const auto [end, error] = std::from_chars(first, value.data() + value.size(), number);
  return error == std::errc() && end == value.data() + value.size() && number >= kLowest && number <= kHighest;
}

bool IsNumberForm(StoredForm form) { return form == StoredForm::Elevation || form == StoredForm::Percent; }

template <class Options>
bool ApplyFlag(const OptionRow<Options>& row, const CommandLineFlag& flag, const std::string& value, Options& options) {
  if (row.choice != nullptr) {
    const auto mode = TrackElevationModeNamed(value);
    if (mode) options.*row.choice = *mode;
    return mode.has_value();
  }
  if (row.check != nullptr) {
    options.*row.check = flag.sets;
  } else if (IsNumberForm(row.form) && !IsBoxNumber(value)) {
    return false;
  } else {
    options.*row.text = value;
  }
  return true;
}

template <class Options>
void AddTableFlags(std::vector<OptionSpec>& specs, OptionGroup group, const OptionTable<Options>& table,
                   Options CliRequest::*options) {
  for (const OptionRow<Options>& row : table.rows) {
    for (const CommandLineFlag& flag : row.flags) {
      if (flag.name.empty()) continue;
      specs.push_back(
          {group, flag, '\0', ShownDefault(row, flag), [&row, &flag, options](CliRequest& r, const std::string& v) {
             return ApplyFlag(row, flag, v, r.*options);
           }});
    }
  }
}

}  // namespace

const std::vector<OptionSpec>& CommandLineFlags() {
  static const std::vector<OptionSpec> specs = [] {
    std::vector<OptionSpec> all;
    AddGeneralFlags(all);
    AddTableFlags(all, OptionGroup::GpxToKml, GpxToKmlOptionTable(), &CliRequest::gpxOptions);
    AddTableFlags(all, OptionGroup::KmlToGpx, KmlToGpxOptionTable(), &CliRequest::kmlOptions);
    return all;
  }();
  return specs;
}

}  // namespace ruvela::cli
