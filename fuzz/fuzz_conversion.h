// The body of both conversion fuzz targets: options from the input's last
// bytes, the rest converted as a file, every rule of ConvertAndCheck
// enforced by stopping the process (which the fuzzer reports as a finding).
#pragma once

#include <cstddef>
#include <cstdint>

#include "conversion/convert_input.h"

namespace ruvela::robustness {

void FuzzConversion(Direction direction, const std::uint8_t* data, std::size_t size);

}  // namespace ruvela::robustness
