// The rules that the text helpers keep for any input whatever. Each
// function returns the first broken rule, or the empty text when all hold.
// The fuzz targets stop on a broken rule; the regression tests expect none.
#pragma once

#include <string>
#include <string_view>

namespace ruvela::robustness {

// CleanName: one output character per UTF-16 unit of the input (a byte that
// is not UTF-8 counts as one), every character from the cleaned alphabet,
// letters and digits kept, and each character cleaned on its own.
std::string CleanNameProblem(std::string_view name);

// NormalizeNumber never empty and either "0" or a prefix of its input
// without a "."; the numeric readings always finite; NumberText read back
// gives the same number and never "-0".
std::string NumberTextProblem(std::string_view text);

// The readers of stored option values: every result in range, or the
// fallback, whatever a user or another program left in the store.
std::string StoredValueProblem(std::string_view stored);

}  // namespace ruvela::robustness
