#include "cli/cli_options.h"

#include <algorithm>
#include <array>
#include <vector>

namespace ruvela::cli {
namespace {

std::string NoDefault(const CliRequest&) { return {}; }

// A switch whose effect is already the default shows "(por defecto)".
std::string DefaultWhen(bool isDefault) { return isDefault ? "sí" : ""; }

std::string_view TrackModeName(const Gpx2KmlOptions& options) {
  if (options.trackElevationMode == TrackElevationMode::Amplified) return "amplified";
  if (options.trackElevationMode == TrackElevationMode::Recorded) return "recorded";
  return "constant";
}

bool SetTrackMode(CliRequest& request, const std::string& value) {
  TrackElevationMode& mode = request.gpxOptions.trackElevationMode;
  if (value == "constant") mode = TrackElevationMode::Constant;
  else if (value == "amplified") mode = TrackElevationMode::Amplified;
  else if (value == "recorded") mode = TrackElevationMode::Recorded;
  else return false;
  return true;
}

CheckState CheckedIf(bool checked) { return checked ? CheckState::Checked : CheckState::Unchecked; }

// Captureless lambdas keep each row's field next to its names and help. The
// rows are laid out by hand, one option each.
// clang-format off
constexpr std::array kOptions = {
    OptionSpec{OptionGroup::General, "output", 'o', "RUTA",
               "archivo de salida (con un solo ARCHIVO); \"-\" escribe el documento en la salida estándar",
               NoDefault, [](CliRequest& r, const std::string& v) { r.output = v; return !v.empty(); }},
    OptionSpec{OptionGroup::General, "force", 'f', "", "reescribe un archivo de salida que ya existe y no está vacío",
               NoDefault, [](CliRequest& r, const std::string&) { r.force = true; return true; }},
    OptionSpec{OptionGroup::General, "quiet", 'q', "", "sin línea de progreso ni resumen (los errores se muestran igual)",
               NoDefault, [](CliRequest& r, const std::string&) { r.quiet = true; return true; }},
    OptionSpec{OptionGroup::General, "help", 'h', "", "muestra esta ayuda", NoDefault,
               [](CliRequest& r, const std::string&) { r.help = true; return true; }},
    OptionSpec{OptionGroup::General, "version", 'V', "", "muestra la versión", NoDefault,
               [](CliRequest& r, const std::string&) { r.version = true; return true; }},

    OptionSpec{OptionGroup::GpxToKml, "tracks", '\0', "MODO",
               "altura de los tracks: constant (--track-elevation), amplified (la registrada por --amplify) "
               "o recorded (la registrada, más --offset)",
               [](const CliRequest& d) { return std::string(TrackModeName(d.gpxOptions)); }, SetTrackMode},
    OptionSpec{OptionGroup::GpxToKml, "track-elevation", '\0', "N", "altura constante de los tracks, en metros",
               [](const CliRequest& d) { return d.gpxOptions.constantTrackElevation; },
               [](CliRequest& r, const std::string& v) { r.gpxOptions.constantTrackElevation = v; return true; }},
    OptionSpec{OptionGroup::GpxToKml, "route-elevation", '\0', "N", "altura de las rutas, en metros",
               [](const CliRequest& d) { return d.gpxOptions.routeElevation; },
               [](CliRequest& r, const std::string& v) { r.gpxOptions.routeElevation = v; return true; }},
    OptionSpec{OptionGroup::GpxToKml, "amplify", '\0', "PORCENTAJE", "amplificación de las alturas registradas",
               [](const CliRequest& d) { return d.gpxOptions.amplifyPercent; },
               [](CliRequest& r, const std::string& v) { r.gpxOptions.amplifyPercent = v; return true; }},
    OptionSpec{OptionGroup::GpxToKml, "offset", '\0', "N", "altura que se suma a las alturas registradas, en metros",
               [](const CliRequest& d) { return d.gpxOptions.recordedOffset; },
               [](CliRequest& r, const std::string& v) { r.gpxOptions.recordedOffset = v; return true; }},
    OptionSpec{OptionGroup::GpxToKml, "no-offset", '\0', "", "no suma --offset a las alturas registradas",
               [](const CliRequest& d) { return DefaultWhen(d.gpxOptions.addOffset == CheckState::Unchecked); },
               [](CliRequest& r, const std::string&) { r.gpxOptions.addOffset = CheckedIf(false); return true; }},
    OptionSpec{OptionGroup::GpxToKml, "absolute", '\0', "", "toma las alturas de los tracks en valor absoluto",
               [](const CliRequest& d) { return DefaultWhen(d.gpxOptions.absoluteElevations == CheckState::Checked); },
               [](CliRequest& r, const std::string&) { r.gpxOptions.absoluteElevations = CheckedIf(true); return true; }},
    OptionSpec{OptionGroup::GpxToKml, "no-absolute", '\0', "", "conserva el signo de las alturas de los tracks",
               [](const CliRequest& d) { return DefaultWhen(d.gpxOptions.absoluteElevations == CheckState::Unchecked); },
               [](CliRequest& r, const std::string&) { r.gpxOptions.absoluteElevations = CheckedIf(false); return true; }},

    OptionSpec{OptionGroup::KmlToGpx, "route-folder", '\0', "NOMBRE", "carpeta cuyos puntos se convierten en rutas",
               [](const CliRequest& d) { return d.kmlOptions.routeFolderName; },
               [](CliRequest& r, const std::string& v) { r.kmlOptions.routeFolderName = v; return true; }},
    OptionSpec{OptionGroup::KmlToGpx, "auto-names", '\0', "", "nombra los puntos de ruta 000-NombreRuta",
               [](const CliRequest& d) { return DefaultWhen(d.kmlOptions.autoNameRoutePoints == CheckState::Checked); },
               [](CliRequest& r, const std::string&) { r.kmlOptions.autoNameRoutePoints = CheckedIf(true); return true; }},
    OptionSpec{OptionGroup::KmlToGpx, "no-auto-names", '\0', "", "los puntos de ruta conservan su nombre",
               [](const CliRequest& d) { return DefaultWhen(d.kmlOptions.autoNameRoutePoints == CheckState::Unchecked); },
               [](CliRequest& r, const std::string&) { r.kmlOptions.autoNameRoutePoints = CheckedIf(false); return true; }},
    OptionSpec{OptionGroup::KmlToGpx, "duplicate", '\0', "", "copia además los puntos de ruta como waypoints",
               [](const CliRequest& d) { return DefaultWhen(d.kmlOptions.duplicateRouteWaypoints == CheckState::Checked); },
               [](CliRequest& r, const std::string&) { r.kmlOptions.duplicateRouteWaypoints = CheckedIf(true); return true; }},
    OptionSpec{OptionGroup::KmlToGpx, "ignore-route-waypoints", '\0', "",
               "no escribe los puntos de ruta como waypoints",
               [](const CliRequest& d) { return DefaultWhen(d.kmlOptions.ignoreRouteWaypoints == CheckState::Checked); },
               [](CliRequest& r, const std::string&) { r.kmlOptions.ignoreRouteWaypoints = CheckedIf(true); return true; }},
    OptionSpec{OptionGroup::KmlToGpx, "paths-as-tracks", '\0', "",
               "convierte los caminos (LineString, MultiGeometry, gx:Track) en tracks",
               [](const CliRequest& d) { return DefaultWhen(d.kmlOptions.pathsAsTracks == CheckState::Checked); },
               [](CliRequest& r, const std::string&) { r.kmlOptions.pathsAsTracks = CheckedIf(true); return true; }},
};
// clang-format on

const OptionSpec* FindLong(std::string_view name) {
  const auto found =
      std::find_if(kOptions.begin(), kOptions.end(), [&](const OptionSpec& o) { return o.name == name; });
  return found == kOptions.end() ? nullptr : &*found;
}

const OptionSpec* FindShort(char name) {
  const auto found =
      std::find_if(kOptions.begin(), kOptions.end(), [&](const OptionSpec& o) { return o.shortName == name; });
  return found == kOptions.end() ? nullptr : &*found;
}

std::string Shown(const OptionSpec& option) {
  return option.shortName != '\0' ? std::string{'-', option.shortName} : "--" + std::string(option.name);
}

// Reads one command line from left to right; the first mistake ends it.
class ArgumentReader {
 public:
  explicit ArgumentReader(const std::vector<std::string>& args) : args_(args) {}

  ParsedArguments Read() {
    bool optionsEnded = false;
    while (next_ < args_.size() && parsed_.error.empty()) {
      const std::string& arg = args_[next_++];
      if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
        parsed_.request.inputs.push_back(arg);
      } else if (arg == "--") {
        optionsEnded = true;
      } else if (arg.starts_with("--")) {
        ReadLongOption(arg.substr(2));
      } else {
        ReadShortOptions(arg);
      }
    }
    if (parsed_.error.empty()) CheckInputs();
    return parsed_;
  }

 private:
  void ReadLongOption(const std::string& text) {
    const auto equals = text.find('=');
    const std::string name = text.substr(0, equals);
    const OptionSpec* option = FindLong(name);
    if (option == nullptr) return Fail("opción desconocida: --" + name);
    if (option->argument.empty()) {
      if (equals != std::string::npos) return Fail("la opción --" + name + " no lleva valor");
      option->apply(parsed_.request, {});
      return;
    }
    if (equals != std::string::npos) return Apply(*option, text.substr(equals + 1));
    ApplyNextArgument(*option);
  }

  // "-fq" sets both switches; "-oRUTA" and "-o RUTA" both give a value.
  void ReadShortOptions(const std::string& arg) {
    for (std::size_t i = 1; i < arg.size(); ++i) {
      const OptionSpec* option = FindShort(arg[i]);
      if (option == nullptr) return Fail(std::string("opción desconocida: -") + arg[i]);
      if (option->argument.empty()) {
        option->apply(parsed_.request, {});
        continue;
      }
      if (i + 1 < arg.size()) return Apply(*option, arg.substr(i + 1));
      return ApplyNextArgument(*option);
    }
  }

  void ApplyNextArgument(const OptionSpec& option) {
    if (next_ >= args_.size()) return Fail("falta el valor de " + Shown(option));
    Apply(option, args_[next_++]);
  }

  void Apply(const OptionSpec& option, const std::string& value) {
    if (!option.apply(parsed_.request, value)) Fail("valor no válido para " + Shown(option) + ": \"" + value + "\"");
  }

  void CheckInputs() {
    const CliRequest& request = parsed_.request;
    if (request.help || request.version) return;
    if (request.inputs.empty()) return Fail("falta el ARCHIVO que convertir");
    if (request.output && request.inputs.size() > 1) Fail("-o admite un solo ARCHIVO");
  }

  void Fail(std::string message) { parsed_.error = std::move(message); }

  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
  ParsedArguments parsed_;
};

}  // namespace

std::span<const OptionSpec> OptionTable() { return kOptions; }

ParsedArguments ParseArguments(const std::vector<std::string>& args) { return ArgumentReader(args).Read(); }

}  // namespace ruvela::cli
