#include "cli/cli_options.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <vector>

namespace ruvela::cli {
namespace {

std::string NoDefault(const CliRequest&) { return {}; }

// A switch whose effect is already the default shows "(por defecto)".
std::string DefaultWhen(bool isDefault) { return isDefault ? "sí" : ""; }

std::string_view TrackModeName(const Gpx2KmlOptions& options) {
  if (options.OptTrkMultip) return "amplified";
  if (options.OptTrkTrueEle) return "recorded";
  return "constant";
}

bool SetTrackMode(CliRequest& request, const std::string& value) {
  Gpx2KmlOptions& options = request.gpxOptions;
  if (value != "constant" && value != "amplified" && value != "recorded") return false;
  options.OptCONSTT = value == "constant";
  options.OptTrkMultip = value == "amplified";
  options.OptTrkTrueEle = value == "recorded";
  return true;
}

CheckState CheckedIf(bool checked) { return checked ? CheckState::Checked : CheckState::Unchecked; }

// Captureless lambdas keep each row's field next to its names and help.
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
               [](const CliRequest& d) { return d.gpxOptions.txtT_ele; },
               [](CliRequest& r, const std::string& v) { r.gpxOptions.txtT_ele = v; return true; }},
    OptionSpec{OptionGroup::GpxToKml, "route-elevation", '\0', "N", "altura de las rutas, en metros",
               [](const CliRequest& d) { return d.gpxOptions.txtR_ele; },
               [](CliRequest& r, const std::string& v) { r.gpxOptions.txtR_ele = v; return true; }},
    OptionSpec{OptionGroup::GpxToKml, "amplify", '\0', "PORCENTAJE", "amplificación de las alturas registradas",
               [](const CliRequest& d) { return d.gpxOptions.txtTrkMultip; },
               [](CliRequest& r, const std::string& v) { r.gpxOptions.txtTrkMultip = v; return true; }},
    OptionSpec{OptionGroup::GpxToKml, "offset", '\0', "N", "altura que se suma a las alturas registradas, en metros",
               [](const CliRequest& d) { return d.gpxOptions.txtTrkOffset; },
               [](CliRequest& r, const std::string& v) { r.gpxOptions.txtTrkOffset = v; return true; }},
    OptionSpec{OptionGroup::GpxToKml, "no-offset", '\0', "", "no suma --offset a las alturas registradas",
               [](const CliRequest& d) { return DefaultWhen(d.gpxOptions.chkTrkOffset == CheckState::Unchecked); },
               [](CliRequest& r, const std::string&) { r.gpxOptions.chkTrkOffset = CheckedIf(false); return true; }},
    OptionSpec{OptionGroup::GpxToKml, "absolute", '\0', "", "toma las alturas de los tracks en valor absoluto",
               [](const CliRequest& d) { return DefaultWhen(d.gpxOptions.chkTrkEleABS == CheckState::Checked); },
               [](CliRequest& r, const std::string&) { r.gpxOptions.chkTrkEleABS = CheckedIf(true); return true; }},
    OptionSpec{OptionGroup::GpxToKml, "no-absolute", '\0', "", "conserva el signo de las alturas de los tracks",
               [](const CliRequest& d) { return DefaultWhen(d.gpxOptions.chkTrkEleABS == CheckState::Unchecked); },
               [](CliRequest& r, const std::string&) { r.gpxOptions.chkTrkEleABS = CheckedIf(false); return true; }},

    OptionSpec{OptionGroup::KmlToGpx, "route-folder", '\0', "NOMBRE", "carpeta cuyos puntos se convierten en rutas",
               [](const CliRequest& d) { return d.kmlOptions.txtRouteItFolderName; },
               [](CliRequest& r, const std::string& v) { r.kmlOptions.txtRouteItFolderName = v; return true; }},
    OptionSpec{OptionGroup::KmlToGpx, "auto-names", '\0', "", "nombra los puntos de ruta 000-NombreRuta",
               [](const CliRequest& d) { return DefaultWhen(d.kmlOptions.chkAutoWRName == CheckState::Checked); },
               [](CliRequest& r, const std::string&) { r.kmlOptions.chkAutoWRName = CheckedIf(true); return true; }},
    OptionSpec{OptionGroup::KmlToGpx, "no-auto-names", '\0', "", "los puntos de ruta conservan su nombre",
               [](const CliRequest& d) { return DefaultWhen(d.kmlOptions.chkAutoWRName == CheckState::Unchecked); },
               [](CliRequest& r, const std::string&) { r.kmlOptions.chkAutoWRName = CheckedIf(false); return true; }},
    OptionSpec{OptionGroup::KmlToGpx, "duplicate", '\0', "", "copia además los puntos de ruta como waypoints",
               [](const CliRequest& d) { return DefaultWhen(d.kmlOptions.chkDupWpts == CheckState::Checked); },
               [](CliRequest& r, const std::string&) { r.kmlOptions.chkDupWpts = CheckedIf(true); return true; }},
    OptionSpec{OptionGroup::KmlToGpx, "ignore-route-waypoints", '\0', "",
               "no escribe los puntos de ruta como waypoints",
               [](const CliRequest& d) { return DefaultWhen(d.kmlOptions.chkIgnoreRtWpts == CheckState::Checked); },
               [](CliRequest& r, const std::string&) { r.kmlOptions.chkIgnoreRtWpts = CheckedIf(true); return true; }},
    OptionSpec{OptionGroup::KmlToGpx, "paths-as-tracks", '\0', "",
               "convierte los caminos (LineString, MultiGeometry, gx:Track) en tracks",
               [](const CliRequest& d) { return DefaultWhen(d.kmlOptions.chkPathsAsTracks == CheckState::Checked); },
               [](CliRequest& r, const std::string&) { r.kmlOptions.chkPathsAsTracks = CheckedIf(true); return true; }},
};

const OptionSpec* FindLong(std::string_view name) {
  const auto found = std::find_if(kOptions.begin(), kOptions.end(), [&](const OptionSpec& o) { return o.name == name; });
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

// Columns a UTF-8 text takes on a terminal (one per character).
std::size_t Columns(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Appends the words of `text`, then `unbroken` as one piece, in lines of at
// most 79 columns; every line after the first starts at column `indent`.
void AppendWrapped(std::string& out, std::size_t indent, std::string_view text, const std::string& unbroken) {
  constexpr std::size_t kWidth = 79;
  std::vector<std::string> pieces;
  std::istringstream words{std::string(text)};
  for (std::string word; words >> word;) pieces.push_back(word);
  if (!unbroken.empty()) pieces.push_back(unbroken);
  std::size_t column = indent;
  bool lineHasPiece = false;
  for (const std::string& piece : pieces) {
    if (lineHasPiece && column + 1 + Columns(piece) > kWidth) {
      out += '\n';
      out.append(indent, ' ');
      column = indent;
      lineHasPiece = false;
    }
    if (lineHasPiece) {
      out += ' ';
      ++column;
    }
    out += piece;
    column += Columns(piece);
    lineHasPiece = true;
  }
  out += '\n';
}

void AppendOption(std::string& out, const OptionSpec& option, const CliRequest& defaults) {
  constexpr std::size_t kHelpColumn = 30;
  std::string names = "  ";
  names += option.shortName != '\0' ? std::string{'-', option.shortName, ',', ' '} : "    ";
  names += "--";
  names += option.name;
  if (!option.argument.empty()) {
    names += ' ';
    names += option.argument;
  }
  const std::string shownDefault = option.shownDefault(defaults);
  std::string defaultNote;
  if (!shownDefault.empty()) {
    defaultNote = option.argument.empty() ? "(por defecto)" : "(por defecto: " + shownDefault + ")";
  }
  out += names;
  if (names.size() + 1 >= kHelpColumn) {
    out += '\n';
    out.append(kHelpColumn, ' ');
  } else {
    out += std::string(kHelpColumn - names.size(), ' ');
  }
  AppendWrapped(out, kHelpColumn, option.help, defaultNote);
}

void AppendGroup(std::string& out, OptionGroup group, std::string_view title) {
  const CliRequest defaults;
  out += "\n";
  out += title;
  out += "\n";
  for (const OptionSpec& option : kOptions) {
    if (option.group == group) AppendOption(out, option, defaults);
  }
}

}  // namespace

std::span<const OptionSpec> OptionTable() { return kOptions; }

ParsedArguments ParseArguments(const std::vector<std::string>& args) { return ArgumentReader(args).Read(); }

std::string HelpText() {
  std::string out =
      "Uso: ruvela-convert [OPCIONES] ARCHIVO...\n"
      "Convierte archivos GPX 1.1 en KML 2.0, y archivos KML o KMZ (KML comprimido\n"
      "en ZIP) en GPX 1.1. La extensión de cada ARCHIVO (.gpx, .kml o .kmz) decide\n"
      "la dirección; el resultado se escribe junto a él, con el mismo nombre y la\n"
      "otra extensión (.kml o .gpx).\n";
  AppendGroup(out, OptionGroup::General, "Opciones:");
  AppendGroup(out, OptionGroup::GpxToKml, "GPX a KML:");
  AppendGroup(out, OptionGroup::KmlToGpx, "KML a GPX:");
  out +=
      "\nEstado de salida: 0 todo convertido; 1 algún archivo sin datos convertibles o\n"
      "de formato desconocido; 2 error de uso, archivo con error o salida que no se\n"
      "puede escribir; 130 cancelado con Ctrl-C.\n";
  return out;
}

}  // namespace ruvela::cli
