// A ConversionProgress that counts the loads and yields of a converter and
// asks it to stop at a chosen yield.
#pragma once

#include "walk/conversion.h"

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

  int loads = 0;
  int yields = 0;
  bool abort = false;

 private:
  int stopAtYield_;
};

}  // namespace ruvela::testing
