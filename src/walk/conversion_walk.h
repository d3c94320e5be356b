// What both converters' walks over a document share: what they read (the
// document's items) and the direction's options, yielding to the caller
// before every item, stopping when asked or when the output fails, and
// counting what was converted.
#pragma once

#include <cstdint>

#include "files/block_writer.h"
#include "walk/conversion.h"

namespace ruvela {

template <class Source, class Options>
class ConversionWalk {
 public:
  ConversionWalk(Source& source, const Options& options, ConversionProgress& progress, ConversionCounts& counts,
                 BlockWriter& output)
      : source_(source), options_(options), progress_(progress), counts_(counts), output_(output) {}

 protected:
  // Yields to the caller before an item; true when it asked to stop or the
  // output can no longer be written.
  bool stopRequested() {
    progress_.yield();
    return stopFlagged();
  }
  bool stopFlagged() const { return progress_.abortRequested() || output_.failed(); }

  void count(std::int32_t& counter, Counter which) {
    ++counter;
    progress_.countChanged(which, counts_);
  }

  Source& source_;
  const Options& options_;
  ConversionProgress& progress_;
  ConversionCounts& counts_;
  BlockWriter& output_;
};

}  // namespace ruvela
