// The text forms in which option values are stored, and the rules that read
// them back soundly whatever a user or another program left in the store.
#pragma once

#include <string>
#include <string_view>

#include "option_values/check_state.h"

namespace ruvela {

// Option buttons are stored as "-1" (selected) or "0"; any non-zero leading
// number selects.
std::string OptionStateText(bool selected);
bool OptionSelectedFromText(std::string_view stored);

// Check boxes are stored as "0", "1" or "2". The leading number is rounded
// (ties to even); a state outside 0-2 falls back to `fallback`, and text
// without a number reads as unchecked.
std::string CheckStateText(CheckState state);
CheckState CheckStateFromText(std::string_view stored, CheckState fallback);

// The amplification box shows the shortest decimal text of the stored
// leading number ("0200" gives "200", text without a number "0"); a value
// that is not a whole number in -32768..32767 falls back to `fallback`.
std::string PercentTextFromStore(std::string_view stored, std::string_view fallback);

// The three elevation boxes show the stored text exactly as it is, provided
// it is a whole number in -32768..32767 (blanks around it allowed);
// anything else falls back to `fallback`.
std::string ElevationTextFromStore(std::string_view stored, std::string_view fallback);

// A number box's text as stored: its leading number rounded to a whole
// number (ties to even) and limited to -32768..32767.
std::string StoredIntegerText(std::string_view boxText);

// What a number box shows once the user leaves it: the absolute value of the
// largest whole number not above its leading number. "12.7" gives "12",
// "-12.3" gives "13", "42 m" gives "42", text without a number "0".
std::string NormalizedBoxText(std::string_view boxText);

// Free text is stored and read back without leading and trailing blanks.
std::string TrimmedText(std::string_view text);

}  // namespace ruvela
