// The words for why an input could not be read or an output not written,
// one row for each kind of failure and for each system error told apart,
// so that the command line and the window say the same.
#pragma once

#include <string>

#include "files/failure.h"

namespace ruvela {

// The failure in words for people; empty for FailureKind::None.
std::string FailureText(const Failure& failure);

}  // namespace ruvela
