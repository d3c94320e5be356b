// Numbers carried as texts: cutting an elevation to whole units without
// parsing it, and the two readings of a number at the start of a text.
// None of them depends on the user's locale: the decimal point is ".".
#pragma once

#include <string>
#include <string_view>

namespace ruvela {

// Everything before the first ".", so 123.456 gives 123 and -12.7 gives -12;
// "0" for the empty text and when nothing (or only "-") stands before the
// ".". Only "." and a leading "-" are looked at: 12,5 and abc come back as
// they are.
std::string NormalizeNumber(std::string_view text);

// The lenient reading used for stored settings and option boxes: spaces,
// tabs and line feeds are ignored wherever they stand; then a sign, digits
// with at most one ".", and an exponent introduced by E or D; or a
// hexadecimal (&H) or octal (&O) integer. Reading stops at the first
// character that does not fit; 0 when no number is there. Values beyond the
// range of a double are clamped to its largest finite value.
double LeadingNumberValue(std::string_view text);

// The narrow reading of an elevation text: after leading blanks, an optional
// sign, digits, optionally "." and more digits, optionally an exponent with
// E. 0 when the text does not begin with a number.
double ElevationValue(std::string_view text);

// A number written back as text: whole numbers as plain decimal digits with
// a leading "-" when negative (never "-0"); others in their shortest form.
std::string NumberText(double value);

}  // namespace ruvela
