// The words for why an input could not be read or an output not written,
// one row for each kind of failure, each parser status and each system
// error told apart, so that the command line and the window say the same,
// and say it in Spanish whatever the system's language.
#pragma once

#include <string>

#include "files/failure.h"

namespace ruvela {

// The failure in words for people; empty for FailureKind::None. A file
// that the system refused names its path when the failure holds one.
std::string FailureText(const Failure& failure);

// The cause alone, for a line that has already said which file could not
// be written or read: the system's reason when it gave one.
std::string FailureCause(const Failure& failure);

// Why the system refused, from its errno: "no existe", "permiso denegado",
// and for an errno without a row of its own, its number.
std::string SystemFaultText(int error);

// What the parser found wrong at the byte it stopped on.
std::string ParseStatusText(pugi::xml_parse_status status);

}  // namespace ruvela
