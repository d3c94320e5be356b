// Putting a finished file in the place of another in one step.
#pragma once

#include <QString>

#include "files/failure.h"

namespace ruvela {

// Moves `source` to `target`, replacing a file that is there. At every
// moment `target` is either the old file or the complete new one. Within one
// volume this is a rename; across volumes the content is copied into a
// temporary file beside `target`, which is then renamed over it, and
// `source` is removed. On failure says which step the system refused, on
// which file and why: `target` is then unchanged and `source` still holds
// the result. The new file keeps the permissions (and group) of the one it
// replaces; a link is written through to the file it names. The new file is
// flushed to disk before it takes the old one's place, and the folder after.
Failure ReplaceFileWith(const QString& source, const QString& target);

}  // namespace ruvela
