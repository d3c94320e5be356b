// Putting a finished file in the place of another in one step.
#pragma once

#include <QString>

namespace ruvela {

// Moves `source` to `target`, replacing a file that is there. At every
// moment `target` is either the old file or the complete new one. Within one
// volume this is a rename; across volumes the content is copied into a
// temporary file beside `target`, which is then renamed over it, and
// `source` is removed. Returns the empty text on success, otherwise why it
// failed: `target` is then unchanged and `source` still holds the result.
QString ReplaceFileWith(const QString& source, const QString& target);

}  // namespace ruvela
