// The conversion's progress as ruvela-convert shows it: on a terminal, one
// line on standard error, refreshed a few times a second; everywhere, the
// interrupt request passed on to the converter.
#pragma once

#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>

#include "conversion/convert_input.h"
#include "walk/conversion.h"

namespace ruvela::cli {

class ProgressLine : public ConversionProgress {
 public:
  // `counts` is the record the converter fills; it is read at each refresh.
  ProgressLine(std::ostream& err, bool visible, std::string shownInput, Direction direction,
               const ConversionCounts& counts, std::function<bool()> interruptRequested);

  void loadingStarted() override;
  void yield() override;
  bool abortRequested() const override;

  // Wipes the line so that the next message starts on a clean line.
  void clear();

 private:
  void show(const std::string& text);
  void showCounts();

  std::ostream& err_;
  const bool visible_;
  const std::string shownInput_;
  const Direction direction_;
  const ConversionCounts& counts_;
  const std::function<bool()> interruptRequested_;
  // The clock is read only every so many items, so an item costs a decrement.
  int yieldsUntilClockCheck_ = 0;
  std::chrono::steady_clock::time_point lastShown_;
  std::size_t shownWidth_ = 0;
};

}  // namespace ruvela::cli
