// What GPX 1.1 accepts in the values copied as text between the formats:
// positions and elevations from KML, and the dateTime both directions carry
// (a GPX <time>, a KML <when>). The checks read the decimal text itself:
// nothing goes through a binary double, so a latitude of 90.0000001 is out
// however a double would round it.
#pragma once

#include <string_view>

namespace ruvela {

// An optional sign, then digits with an optional fraction ("12", "12.",
// "12.5") or a fraction alone (".5"), with blanks, tabs, CR and LF allowed
// around it. No exponent, no comma as decimal mark, no blanks inside.
bool IsGpxDecimal(std::string_view text);

// A decimal from -90 to 90, both included.
bool IsGpxLatitude(std::string_view text);
// A decimal from -180 to 180, both included (180 is kept as written).
bool IsGpxLongitude(std::string_view text);

// An XML Schema dateTime as GPX <time> takes it: 2021-03-02T09:30:40Z,
// with optional fractional seconds and an optional zone (Z or +hh:mm);
// blanks around it are allowed. A date alone, as KML also allows, is not.
bool IsGpxDateTime(std::string_view text);

}  // namespace ruvela
