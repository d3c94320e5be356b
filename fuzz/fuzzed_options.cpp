#include "fuzz/fuzzed_options.h"

#include <array>
#include <string>
#include <string_view>

namespace ruvela::robustness {
namespace {

// Option texts that a settings store edited by hand, or a command line,
// could hold: limits, overflow, fractions, signs, markup, broken UTF-8.
constexpr std::array<std::string_view, 16> kOptionTexts = {
    "0",     "-32768", "32767", "99999999999999999999999999", "1e308", "-1e308", "12.5",   "-.5",
    "abc",   "",       "<&\">", "\xFF\xFE",                   " 7 ",   "1,5",    "-",      "25\r\n<x>"};

std::string PickText(FuzzedDataProvider& data, const std::string& defaultText) {
  const auto choice = data.ConsumeIntegralInRange<std::size_t>(0, kOptionTexts.size());
  return choice == 0 ? defaultText : std::string(kOptionTexts[choice - 1]);
}

CheckState PickState(FuzzedDataProvider& data, CheckState defaultState) {
  switch (data.ConsumeIntegralInRange<int>(0, 3)) {
    case 1:
      return CheckState::Unchecked;
    case 2:
      return CheckState::Checked;
    case 3:
      return CheckState::Grayed;
    default:
      return defaultState;
  }
}

// The three elevation rules are one group of option buttons; a store edited
// by hand can leave none of them, or several, selected.
void PickElevationRule(FuzzedDataProvider& data, Gpx2KmlOptions& options) {
  const auto rule = data.ConsumeIntegralInRange<int>(0, 7);
  if (rule == 0) return;  // the default: constant
  options.OptCONSTT = (rule & 1) != 0;
  options.OptTrkMultip = (rule & 2) != 0;
  options.OptTrkTrueEle = (rule & 4) != 0;
}

}  // namespace

Gpx2KmlOptions FuzzedGpx2KmlOptions(FuzzedDataProvider& data) {
  Gpx2KmlOptions options;
  PickElevationRule(data, options);
  options.chkTrkEleABS = PickState(data, options.chkTrkEleABS);
  options.chkTrkOffset = PickState(data, options.chkTrkOffset);
  options.txtTrkMultip = PickText(data, options.txtTrkMultip);
  options.txtT_ele = PickText(data, options.txtT_ele);
  options.txtR_ele = PickText(data, options.txtR_ele);
  options.txtTrkOffset = PickText(data, options.txtTrkOffset);
  return options;
}

Kml2GpxOptions FuzzedKml2GpxOptions(FuzzedDataProvider& data) {
  Kml2GpxOptions options;
  options.txtRouteItFolderName = PickText(data, options.txtRouteItFolderName);
  options.chkIgnoreRtWpts = PickState(data, options.chkIgnoreRtWpts);
  options.chkAutoWRName = PickState(data, options.chkAutoWRName);
  options.chkDupWpts = PickState(data, options.chkDupWpts);
  return options;
}

}  // namespace ruvela::robustness
