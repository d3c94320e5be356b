// One way into an input document. The file is opened (a regular file, the
// KML document inside a KMZ archive, in any of the encodings the loading
// reads) and read from its outline where the outline can follow it, or as
// a whole tree where it cannot; each direction's walk is handed the
// document's items and the output, opened before the document is read.
// A document found broken while it was walked is read again whole, from
// zero counts, so that the parser says what is wrong with it; one that
// another program wrote while it was read converts to nothing.
#pragma once

#include <filesystem>
#include <functional>

#include <pugixml.hpp>

#include "files/block_writer.h"
#include "files/failure.h"
#include "walk/conversion.h"
#include "walk/gpx_items.h"
#include "walk/kml_items.h"

namespace ruvela {

// A direction's walk over a document's items into `output`; false when it
// stopped before the end (on request, or the output or a part of the
// document could not be written or read).
using GpxWalk = std::function<bool(GpxItems& items, BlockWriter& output)>;
using KmlWalk = std::function<bool(KmlItems& items, BlockWriter& output)>;

// Walks `input` as a GPX or a KML document into `output`, created or
// emptied first, with the counts from zero. Completed when the walk went
// through a whole document, Stopped when it stopped; no closing text.
ConversionResult WalkGpxDocument(const std::filesystem::path& input, const std::filesystem::path& output,
                                 ConversionProgress& progress, ConversionCounts& counts, const GpxWalk& walk);
ConversionResult WalkKmlDocument(const std::filesystem::path& input, const std::filesystem::path& output,
                                 ConversionProgress& progress, ConversionCounts& counts, const KmlWalk& walk);

// Loads the whole of `input`, from inside the archive when it is a KMZ.
Failure LoadWholeDocument(const std::filesystem::path& input, pugi::xml_document& document);

}  // namespace ruvela
