// A ConversionProgress that records what a converter reports and asks it to
// stop at a chosen yield.
#pragma once

#include <vector>

#include "core/conversion.h"

namespace ruvela::testing {

class ScriptedProgress : public ConversionProgress {
 public:
  // 0 never stops; n stops at the n-th yield.
  explicit ScriptedProgress(int stopAtYield = 0) : stopAtYield_(stopAtYield) {}

  void loadingStarted() override { ++loads; }
  void yield() override {
    ++yields;
    if (stopAtYield_ > 0 && yields >= stopAtYield_) abort = true;
  }
  bool abortRequested() const override { return abort; }
  void countChanged(Counter which, const ConversionCounts& counts) override {
    changes.push_back(which);
    last = counts;
  }

  int loads = 0;
  int yields = 0;
  bool abort = false;
  std::vector<Counter> changes;
  ConversionCounts last;

 private:
  int stopAtYield_;
};

}  // namespace ruvela::testing
