// The three states of an option check box.
#pragma once

namespace ruvela {

// Stored as "0", "1" and "2". Converters test for exact states, so a grayed
// box counts as checked where a test asks "not unchecked" and as unchecked
// where it asks "checked".
enum class CheckState : int { Unchecked = 0, Checked = 1, Grayed = 2 };

}  // namespace ruvela
