#include "reading/document_source.h"

#include <optional>
#include <utility>

#include "files/regular_file.h"
#include "reading/gpx_item_readings.h"
#include "reading/kml_item_readings.h"
#include "reading/kmz_archive.h"
#include "reading/xml_document.h"
#include "reading/xml_outline.h"

namespace ruvela {
namespace {

ConversionResult Walked(bool completed) {
  return {completed ? ConversionStatus::Completed : ConversionStatus::Stopped, {}, {}};
}

ConversionResult OutputNotWritten(const std::filesystem::path& output, int error = 0) {
  Failure failure{.kind = FailureKind::OutputNotWritten};
  failure.operation = FileOperation::Write;
  failure.path = output;
  failure.error = error;
  return {ConversionStatus::OutputNotWritten, failure, {}};
}

ConversionResult InputNotLoaded(Failure failure) { return {ConversionStatus::InputNotLoaded, std::move(failure), {}}; }

// Counts from zero again, for a document read again; the caller is told
// of every counter.
void RestartCounts(ConversionCounts& counts, ConversionProgress& progress) {
  counts = ConversionCounts{};
  for (Counter counter : {Counter::Waypoints, Counter::RoutePoints, Counter::TrackPoints, Counter::Folders}) {
    progress.countChanged(counter, counts);
  }
}

// Another program wrote the input while it was read a piece at a time: the
// output mixes two versions of it, so it is emptied and nothing counts, as
// for an input that could not be loaded.
ConversionResult InputChangedWhileRead(const std::filesystem::path& output, ConversionCounts& counts,
                                       ConversionProgress& progress) {
  RestartCounts(counts, progress);
  if (!CreateEmptyFile(output)) return OutputNotWritten(output);
  return InputNotLoaded(FailureOf(FailureKind::ChangedWhileRead));
}

Failure LoadTree(const std::filesystem::path& input, bool zipped, pugi::xml_document& document) {
  return zipped ? LoadKmzDocument(input, document) : LoadXmlDocument(input, document);
}

// The document's outline, a run of elements at a time. Nothing when the
// outline cannot follow the file or a part of it turns out broken: the
// whole tree is read then. Every run is parsed before a walk counts as
// done: a broken document is never a converted one.
template <class OutlineItems, class Walk>
std::optional<ConversionResult> WalkOutline(const std::filesystem::path& input, const OutlineRule& rule,
                                            const std::filesystem::path& output, BlockWriter& writer,
                                            ConversionProgress& progress, ConversionCounts& counts, const Walk& walk) {
  progress.loadingStarted();
  RegularFile file(input);
  const std::optional<OutlineNode> outline = OutlineXmlFile(file, rule);
  if (!outline) return std::nullopt;
  OutlineItems items(*outline, file);
  if (!items.checkUnwalkedRuns()) return std::nullopt;
  progress.loadingFinished();

  const bool completed = walk(items, writer);
  const bool closed = writer.close();
  if (items.failed() || (closed && completed && !items.checkUnreadRuns())) {
    RestartCounts(counts, progress);  // what was counted came from a broken document
    return std::nullopt;
  }
  if (!closed) return OutputNotWritten(output, writer.error());
  if (completed && !file.unchangedSinceOpened()) return InputChangedWhileRead(output, counts, progress);
  return Walked(completed);
}

template <class TreeItems, class Walk>
ConversionResult WalkTree(const std::filesystem::path& input, bool zipped, const std::filesystem::path& output,
                          BlockWriter& writer, ConversionProgress& progress, const Walk& walk) {
  pugi::xml_document document;
  progress.loadingStarted();
  Failure loaded = LoadTree(input, zipped, document);
  progress.loadingFinished();
  if (!loaded.ok()) {
    writer.close();  // left empty
    return InputNotLoaded(std::move(loaded));
  }
  TreeItems items(document);
  const bool completed = walk(items, writer);
  if (!writer.close()) return OutputNotWritten(output, writer.error());
  return Walked(completed);
}

// The output is opened before the document is read, whichever reading
// reads it, and opened again (emptied) when a walk that wrote into it found
// the document broken.
template <class OutlineItems, class TreeItems, class Walk>
ConversionResult WalkDocument(const std::filesystem::path& input, const OutlineRule& rule,
                              const std::filesystem::path& output, ConversionProgress& progress,
                              ConversionCounts& counts, const Walk& walk) {
  counts = ConversionCounts{};
  BlockWriter writer;
  if (!writer.open(output)) return OutputNotWritten(output, writer.error());
  const bool zipped = IsKmzFile(input);
  if (!zipped) {
    if (auto outlined = WalkOutline<OutlineItems>(input, rule, output, writer, progress, counts, walk)) {
      return *outlined;
    }
    if (!writer.isOpen() && !writer.open(output)) return OutputNotWritten(output, writer.error());
  }
  return WalkTree<TreeItems>(input, zipped, output, writer, progress, walk);
}

}  // namespace

ConversionResult WalkGpxDocument(const std::filesystem::path& input, const std::filesystem::path& output,
                                 ConversionProgress& progress, ConversionCounts& counts, const GpxWalk& walk) {
  return WalkDocument<GpxOutlineItems, GpxTreeItems>(input, GpxOutlineItems::Rule(), output, progress, counts, walk);
}

ConversionResult WalkKmlDocument(const std::filesystem::path& input, const std::filesystem::path& output,
                                 ConversionProgress& progress, ConversionCounts& counts, const KmlWalk& walk) {
  return WalkDocument<KmlOutlineItems, KmlTreeItems>(input, KmlOutlineItems::Rule(kDeepestFolderLevel), output,
                                                     progress, counts, walk);
}

Failure LoadWholeDocument(const std::filesystem::path& input, pugi::xml_document& document) {
  return LoadTree(input, IsKmzFile(input), document);
}

}  // namespace ruvela
