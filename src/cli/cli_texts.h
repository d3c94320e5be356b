// Every text ruvela-convert shows, in the window's words where the window
// has them, and --help, written from the option table.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

#include "conversion/convert_input.h"
#include "walk/conversion.h"

namespace ruvela::cli {

inline constexpr std::string_view kProgramName = "ruvela-convert";
inline constexpr std::string_view kTryHelp = "Pruebe «ruvela-convert --help».";

// Verdicts on one file, after its name.
inline constexpr std::string_view kUnknownFormat = "formato desconocido (se esperaba .gpx, .kml o .kmz)";
inline constexpr std::string_view kNothingConvertible = "sin datos convertibles; no se escribió ningún archivo";
inline constexpr std::string_view kCancelled = "cancelado";
inline constexpr std::string_view kInternalFault = "fallo interno del programa; no se escribió ningún archivo";
inline constexpr std::string_view kStandardOutput = "salida estándar";
inline constexpr std::string_view kLoading = "cargando...";
inline constexpr std::string_view kProcessing = "Procesando";

// "ruvela-convert: Ruta.gpx: sin datos convertibles; ..."
std::string FileMessage(std::string_view shownInput, std::string_view text);
// "Ruta.kml ya existe y no está vacío; para reescribirlo use -f"
std::string AlreadyExists(std::string_view shownOutput);
// "Ruta.kml apareció durante la conversión; se conserva y no se escribió nada"
std::string AppearedMeanwhile(std::string_view shownOutput);
// "Ruta.gpx es el propio archivo de entrada; no se escribió nada"
std::string OutputIsInput(std::string_view shownOutput);
// "no se puede escribir Ruta.kml: permiso denegado"
std::string CannotWrite(std::string_view shownOutput, std::string_view reason);

// The counts of one conversion in the window's count texts, the GPX to KML
// counts or the KML to GPX counts (with the track points when paths became
// tracks), joined on one line.
std::string CountsLine(Direction direction, const ConversionCounts& counts);

// "Ruta.gpx -> Ruta.kml: Waypoints    : pts = 2 | ..." and, when tracks were
// drawn at zero or below, the window's notice about them; when KML points
// were left out for want of a position, how many.
std::string ConvertedSummary(std::string_view shownInput, std::string_view shownOutput, Direction direction,
                             const ConversionCounts& counts);

// A path as the user typed it, shortened in the middle when it is too long
// to be read on one line, with its control characters shown escaped.
std::string ShownPath(std::string_view path, std::size_t maxShown = 160);

// `text` with every control character, and every byte that is not part of
// UTF-8, shown as an escape ("\n", "\x1b"): a name or value the user
// gave can never move the cursor, clear the screen or retitle the terminal.
std::string Escaped(std::string_view text);

// Why a file operation failed, in the words of the failure table.
std::string ReasonText(std::error_code error);

// The --help text: usage, every option of the table with its help and
// default, wrapped to 79 columns, and the exit statuses.
std::string HelpText();

}  // namespace ruvela::cli
