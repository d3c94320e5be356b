#include "cli/cli_texts.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "cli/command_line_flags.h"
#include "words/count_texts.h"
#include "words/failure_words.h"

namespace ruvela::cli {
namespace {

// Backs `cut` up to the start of a UTF-8 character.
std::size_t CharacterStart(std::string_view text, std::size_t cut) {
  while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return cut;
}

// The length of the well-formed UTF-8 character `text` starts with; 0 when
// its first byte does not start one (a lone continuation byte, a cut or
// overlong sequence).
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return 1;
  const std::size_t length = lead >= 0xC2 && lead < 0xE0   ? 2
                             : lead >= 0xE0 && lead < 0xF0 ? 3
                             : lead >= 0xF0 && lead < 0xF5 ? 4
                                                           : 0;
  if (length == 0 || text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0;
  }
  const auto second = static_cast<unsigned char>(text[1]);
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0)) return 0;  // overlong, surrogate
  if ((lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) return 0;  // overlong, past U+10FFFF
  return length;
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

std::string AppearedMeanwhile(std::string_view shownOutput) {
  return std::string(shownOutput) + " apareció durante la conversión; se conserva y no se escribió nada";
}

std::string OutputIsInput(std::string_view shownOutput) {
  return std::string(shownOutput) + " es el propio archivo de entrada; no se escribió nada";
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
  if (path.size() <= maxShown) return Escaped(path);
  const std::size_t headEnd = CharacterStart(path, maxShown / 2);
  const std::size_t tailStart = CharacterStart(path, path.size() - maxShown / 2);
  return Escaped(path.substr(0, headEnd)) + "..." + Escaped(path.substr(tailStart));
}

std::string Escaped(std::string_view text) {
  std::string shown;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = Utf8SequenceLength(text.substr(at));
    const auto byte = static_cast<unsigned char>(text[at]);
    // C1 controls (U+0080 to U+009F) are two bytes, the second below 0xA0.
    const bool c1 = length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0;
    if (length > 1 && !c1) {
      shown += text.substr(at, length);
      at += length;
      continue;
    }
    for (std::size_t i = 0; i < std::max<std::size_t>(length, 1); ++i) {
      const auto part = static_cast<unsigned char>(text[at + i]);
      if (part == '\n') {
        shown += "\\n";
      } else if (part == '\t') {
        shown += "\\t";
      } else if (part == '\r') {
        shown += "\\r";
      } else if (part >= 0x20 && part < 0x7F) {
        shown += static_cast<char>(part);
      } else {
        constexpr std::string_view kHex = "0123456789abcdef";
        shown += "\\x";
        shown += kHex[part >> 4];
        shown += kHex[part & 0xF];
      }
    }
    at += std::max<std::size_t>(length, 1);
  }
  return shown;
}

std::string ReasonText(std::error_code error) { return SystemFaultText(error.value()); }

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
      "puede escribir; 130 cancelado con Ctrl-C, con una petición de terminar o al\n"
      "cerrarse el terminal.\n";
  return out;
}

}  // namespace ruvela::cli
