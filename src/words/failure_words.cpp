#include "words/failure_words.h"

#include <cerrno>

#include "values/path_parts.h"

namespace ruvela {
namespace {

std::string MalformedAt(const std::string& where, const std::string& what) {
  return "XML mal formado en el byte " + where + " (" + what + ")";
}

// "a" and the file, contracted before "el archivo".
std::string ToFile(const std::string& file) { return file.starts_with("el ") ? "al " + file.substr(3) : "a " + file; }

// What could not be done, around the file it names.
std::string OperationText(FileOperation operation, const std::string& file) {
  switch (operation) {
    case FileOperation::Open:
      return "no se puede abrir " + file;
    case FileOperation::Read:
      return "no se puede leer " + file;
    case FileOperation::Write:
      return "no se puede escribir " + file;
    case FileOperation::Rename:
      return "no se puede mover el resultado " + ToFile(file);
    case FileOperation::Flush:
      return "no se puede terminar de escribir " + file;
    case FileOperation::SetPermissions:
      return "no se pueden dar los permisos del archivo reemplazado " + ToFile(file);
  }
  return "no se puede usar " + file;
}

// The system's refusal; a read that found the file shorter than it was
// has no errno of its own.
std::string FileOperationText(const Failure& failure, const std::string& unnamed) {
  const std::string file = failure.path.empty() ? unnamed : Utf8FromPath(failure.path);
  const std::string what = OperationText(failure.operation, file);
  if (failure.error != 0) return what + ": " + SystemFaultText(failure.error);
  if (failure.operation == FileOperation::Read) return what + ": se acortó mientras se leía";
  return what;
}

}  // namespace

std::string SystemFaultText(int error) {
  switch (error) {
    case ENOENT:
      return "no existe";
    case EACCES:
    case EPERM:
      return "permiso denegado";
    case EISDIR:
      return "es un directorio";
    case ENOTDIR:
      return "una parte de la ruta no es un directorio";
    case ENXIO:  // a socket, or a device without its driver
    case ENODEV:
      return "no es un archivo normal";
    case ENOSPC:
      return "no queda espacio en el disco";
    case EDQUOT:
      return "se ha agotado la cuota de disco del usuario";
    case EFBIG:
      return "el archivo supera el tamaño que admite el sistema";
    case EROFS:
      return "sistema de archivos de solo lectura";
    case EIO:
      return "fallo de lectura o escritura en el dispositivo";
    case ENAMETOOLONG:
      return "nombre demasiado largo";
    case ELOOP:
      return "demasiados enlaces simbólicos en la ruta";
    case EMFILE:
      return "el programa tiene demasiados archivos abiertos";
    case ENFILE:
      return "el sistema tiene demasiados archivos abiertos";
    case EXDEV:
      return "el destino está en otro sistema de archivos";
    case ETXTBSY:
      return "el archivo es un programa que se está ejecutando";
    case EBUSY:
      return "el archivo o el dispositivo está ocupado";
    case EEXIST:
      return "ya existe";
    case ENOTEMPTY:
      return "es un directorio que no está vacío";
    case ENOMEM:
      return "no hay memoria suficiente";
    case EPIPE:
      return "quien leía la salida la cerró";
    case EINTR:
      return "la operación fue interrumpida";
    default:
      return "fallo del sistema número " + std::to_string(error);
  }
}

std::string ParseStatusText(pugi::xml_parse_status status) {
  switch (status) {
    case pugi::status_ok:
      return "correcto";
    case pugi::status_file_not_found:
      return "no se encuentra el archivo";
    case pugi::status_io_error:
      return "no se puede leer el archivo";
    case pugi::status_out_of_memory:
      return "no hay memoria suficiente";
    case pugi::status_internal_error:
      return "fallo interno del lector de XML";
    case pugi::status_unrecognized_tag:
      return "etiqueta no reconocida";
    case pugi::status_bad_pi:
      return "declaración o instrucción de proceso mal formada";
    case pugi::status_bad_comment:
      return "comentario mal formado";
    case pugi::status_bad_cdata:
      return "sección CDATA mal formada";
    case pugi::status_bad_doctype:
      return "declaración de tipo de documento mal formada";
    case pugi::status_bad_pcdata:
      return "texto mal formado";
    case pugi::status_bad_start_element:
      return "etiqueta de apertura mal formada";
    case pugi::status_bad_attribute:
      return "atributo mal formado";
    case pugi::status_bad_end_element:
      return "etiqueta de cierre mal formada";
    case pugi::status_end_element_mismatch:
      return "la etiqueta de cierre no corresponde a la de apertura";
    case pugi::status_append_invalid_root:
      return "no se puede añadir ese nodo a la raíz del documento";
    case pugi::status_no_document_element:
      return "no hay ningún elemento raíz";
  }
  return "estado del lector de XML número " + std::to_string(static_cast<int>(status));
}

std::string FailureText(const Failure& failure) {
  switch (failure.kind) {
    case FailureKind::None:
      return {};
    case FailureKind::MalformedXml:
      return MalformedAt(failure.offset >= 0 ? std::to_string(failure.offset) : "?",
                         ParseStatusText(failure.parseStatus));
    case FailureKind::ElementAfterRoot:
      return MalformedAt(failure.offset >= 0 ? std::to_string(failure.offset) : "?",
                         "otro elemento después del elemento raíz");
    case FailureKind::EmptyFile:
      return "el archivo está vacío";
    case FailureKind::NoElement:
      return "el archivo no contiene ningún elemento XML";
    case FailureKind::OutOfMemory:
      return SystemFaultText(ENOMEM);
    case FailureKind::FileOperationFailed:
      return FileOperationText(failure, "el archivo");
    case FailureKind::NotARegularFile:
      return SystemFaultText(ENXIO);
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
      return FileOperationText(failure, "el archivo de salida");
  }
  return {};
}

std::string FailureCause(const Failure& failure) {
  const bool systemRefused =
      failure.kind == FailureKind::FileOperationFailed || failure.kind == FailureKind::OutputNotWritten;
  if (systemRefused && failure.error != 0) return SystemFaultText(failure.error);
  if (failure.kind == FailureKind::OutputNotWritten) return "no se pudo escribir el documento completo";
  return FailureText(failure);
}

}  // namespace ruvela
