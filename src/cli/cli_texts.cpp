#include "cli/cli_texts.h"

#include "core/count_texts.h"

namespace ruvela::cli {
namespace {

// Backs `cut` up to the start of a UTF-8 character.
std::size_t CharacterStart(std::string_view text, std::size_t cut) {
  while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return cut;
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
  if (counts.pointsWithoutPosition > 0) line += " | " + OmittedPointsNotice(counts.pointsWithoutPosition);
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

}  // namespace ruvela::cli
