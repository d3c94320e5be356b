#include "words/failure_words.h"

#include <cerrno>

namespace ruvela {
namespace {

std::string MalformedAt(const std::string& where, const std::string& what) {
  return "XML mal formado en el byte " + where + " (" + what + ")";
}

// The parser's own description of what it found wrong.
std::string ParserDescription(pugi::xml_parse_status status) {
  pugi::xml_parse_result result;
  result.status = status;
  return result.description();
}

std::string OpenFailureText(int error) {
  switch (error) {
    case ENOENT:
      return "el archivo no existe";
    case EACCES:
      return "no hay permiso para leer el archivo";
    case EPERM:
      return "no hay permiso para leer el archivo";
    case ENXIO:  // a socket, or a device without its driver
      return "no es un archivo normal";
    default:
      return "no se puede abrir el archivo";
  }
}

std::string FileOperationText(const Failure& failure) {
  switch (failure.operation) {
    case FileOperation::Open:
      return OpenFailureText(failure.error);
    case FileOperation::Read:
      return "no se puede leer el archivo";
    case FileOperation::Write:
      return "no se puede escribir el archivo de salida";
  }
  return {};
}

}  // namespace

std::string FailureText(const Failure& failure) {
  switch (failure.kind) {
    case FailureKind::None:
      return {};
    case FailureKind::MalformedXml:
      return MalformedAt(std::to_string(failure.offset), ParserDescription(failure.parseStatus));
    case FailureKind::ElementAfterRoot:
      return MalformedAt(failure.offset >= 0 ? std::to_string(failure.offset) : "?",
                         "otro elemento después del elemento raíz");
    case FailureKind::EmptyFile:
      return "el archivo está vacío";
    case FailureKind::NoElement:
      return "el archivo no contiene ningún elemento XML";
    case FailureKind::OutOfMemory:
      return "no hay memoria suficiente para leer el archivo";
    case FailureKind::FileOperationFailed:
      return FileOperationText(failure);
    case FailureKind::NotARegularFile:
      return "no es un archivo normal";
    case FailureKind::ChangedWhileRead:
      return "el archivo cambió mientras se leía";
    case FailureKind::KmzNotAZip:
      return "el archivo KMZ no es un archivo ZIP";
    case FailureKind::KmzDamaged:
      return "el archivo KMZ está dañado";
    case FailureKind::KmzEncrypted:
      return "el archivo KMZ está cifrado";
    case FailureKind::KmzUnsupportedMethod:
      return "el archivo KMZ está comprimido con un método no admitido";
    case FailureKind::KmzWithoutKml:
      return "el archivo KMZ no contiene ningún documento KML";
    case FailureKind::KmzEmptyDocument:
      return "el documento KML del archivo KMZ está vacío";
    case FailureKind::KmzBomb:
      return "el documento del archivo KMZ se descomprime a un tamaño desmedido (bomba ZIP)";
    case FailureKind::OutputNotWritten:
      return "no se puede escribir el archivo de salida";
  }
  return {};
}

}  // namespace ruvela
