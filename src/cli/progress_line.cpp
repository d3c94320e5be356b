#include "cli/progress_line.h"

#include <algorithm>
#include <ostream>

#include "cli/cli_texts.h"

namespace ruvela::cli {
namespace {

constexpr int kYieldsPerClockCheck = 4096;
constexpr auto kRefreshInterval = std::chrono::milliseconds(250);

}  // namespace

ProgressLine::ProgressLine(std::ostream& err, bool visible, std::string shownInput, Direction direction,
                           const ConversionCounts& counts, std::function<bool()> interruptRequested)
    : err_(err),
      visible_(visible),
      shownInput_(std::move(shownInput)),
      direction_(direction),
      counts_(counts),
      interruptRequested_(std::move(interruptRequested)) {}

void ProgressLine::loadingStarted() {
  if (!visible_) return;
  show(std::string(kProcessing) + " " + shownInput_ + ": " + std::string(kLoading));
  lastShown_ = std::chrono::steady_clock::now();
}

void ProgressLine::yield() {
  if (!visible_ || --yieldsUntilClockCheck_ > 0) return;
  yieldsUntilClockCheck_ = kYieldsPerClockCheck;
  const auto now = std::chrono::steady_clock::now();
  if (now - lastShown_ < kRefreshInterval) return;
  lastShown_ = now;
  showCounts();
}

bool ProgressLine::abortRequested() const { return interruptRequested_ && interruptRequested_(); }

void ProgressLine::clear() {
  if (!visible_ || shownWidth_ == 0) return;
  err_ << '\r' << std::string(shownWidth_, ' ') << '\r' << std::flush;
  shownWidth_ = 0;
}

void ProgressLine::showCounts() {
  show(std::string(kProcessing) + " " + shownInput_ + ": " + CountsLine(direction_, counts_));
}

// Rewrites the line in place; blanks cover what a longer earlier text left.
void ProgressLine::show(const std::string& text) {
  err_ << '\r' << text;
  if (text.size() < shownWidth_) err_ << std::string(shownWidth_ - text.size(), ' ');
  err_ << std::flush;
  shownWidth_ = std::max(shownWidth_, text.size());
}

}  // namespace ruvela::cli
