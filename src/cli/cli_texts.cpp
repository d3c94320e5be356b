#include "cli/cli_texts.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "cli/command_line_flags.h"
#include "core/count_texts.h"

namespace ruvela::cli {
namespace {

// Backs `cut` up to the start of a UTF-8 character.
std::size_t CharacterStart(std::string_view text, std::size_t cut) {
  while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return cut;
}

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

void AppendOption(std::string& out, const OptionSpec& option) {
  constexpr std::size_t kHelpColumn = 30;
  std::string names = "  ";
  names += option.shortName != '\0' ? std::string{'-', option.shortName, ',', ' '} : "    ";
  names += "--";
  names += option.flag.name;
  if (!option.flag.argument.empty()) {
    names += ' ';
    names += option.flag.argument;
  }
  std::string defaultNote;
  if (!option.shownDefault.empty()) {
    defaultNote = option.flag.argument.empty() ? "(por defecto)" : "(por defecto: " + option.shownDefault + ")";
  }
  out += names;
  if (names.size() + 1 >= kHelpColumn) {
    out += '\n';
    out.append(kHelpColumn, ' ');
  } else {
    out += std::string(kHelpColumn - names.size(), ' ');
  }
  AppendWrapped(out, kHelpColumn, option.flag.help, defaultNote);
}

void AppendGroup(std::string& out, OptionGroup group, std::string_view title) {
  out += "\n";
  out += title;
  out += "\n";
  for (const OptionSpec& option : CommandLineFlags()) {
    if (option.group == group) AppendOption(out, option);
  }
}

}  // namespace

std::string FileMessage(std::string_view shownInput, std::string_view text) {
  return std::string(kProgramName) + ": " + std::string(shownInput) + ": " + std::string(text);
}

std::string AlreadyExists(std::string_view shownOutput) {
  return std::string(shownOutput) + " ya existe y no está vacío; para reescribirlo use -f";
}

std::string CannotWrite(std::string_view shownOutput, std::string_view reason) {
  return "no se puede escribir " + std::string(shownOutput) + ": " + std::string(reason);
}

std::string CountsLine(Direction direction, const ConversionCounts& counts) {
  std::string third = TrackPointCountText(counts.trackPoints);
  if (direction == Direction::KmlToGpx) {
    // Track points from KML only when its paths became tracks.
    third = counts.trackPoints > 0 ? FoldersAndTrackPointsText(counts) : FolderCountText(counts.folders);
  }
  return WaypointCountText(counts.waypoints) + " | " + RoutePointCountText(counts.routePoints) + " | " + third;
}

std::string ConvertedSummary(std::string_view shownInput, std::string_view shownOutput, Direction direction,
                             const ConversionCounts& counts) {
  std::string line = std::string(shownInput) + " -> " + std::string(shownOutput) + ": " + CountsLine(direction, counts);
  if (direction == Direction::GpxToKml && HasElevationNotice(counts)) {
    line += kElevationNoticeMark;
    line += ' ';
    line += ElevationNotice(counts);
  }
  if (const std::string notices = StatusNotices(counts); !notices.empty()) line += " | " + notices;
  return line;
}

std::string ShownPath(std::string_view path, std::size_t maxShown) {
  if (path.size() <= maxShown) return std::string(path);
  const std::size_t headEnd = CharacterStart(path, maxShown / 2);
  const std::size_t tailStart = CharacterStart(path, path.size() - maxShown / 2);
  return std::string(path.substr(0, headEnd)) + "..." + std::string(path.substr(tailStart));
}

std::string ReasonText(std::error_code error) {
  if (error == std::errc::no_such_file_or_directory) return std::string(kDoesNotExist);
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) return "permiso denegado";
  if (error == std::errc::filename_too_long) return "nombre demasiado largo";
  if (error == std::errc::is_a_directory) return std::string(kIsDirectory);
  if (error == std::errc::not_a_directory) return "una parte de la ruta no es un directorio";
  if (error == std::errc::no_space_on_device) return "no queda espacio en el disco";
  if (error == std::errc::read_only_file_system) return "sistema de archivos de solo lectura";
  if (error == std::errc::not_enough_memory) return std::string(kOutOfMemory);
  return error.message();
}

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
