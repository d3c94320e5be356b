#include "windows/folders_geometry.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "values/number_text.h"

namespace ruvela {

namespace {

// Below the button, and the least inner width beyond the button's own.
constexpr int kButtonMargin = 40;
// Taken from the inner height, with the button's height, for the list.
constexpr int kListReserve = 120;

}  // namespace

std::optional<int> StoredCoordinate(const QString& text) {
  // nearbyint rounds in the current mode, which is to nearest, ties to even.
  const double rounded = std::nearbyint(ruvela::LeadingNumberValue(text.toStdString()));
  if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  return static_cast<int>(rounded);
}

QString CoordinateText(int twips) {
  // Seven significant digits: whole numbers of twips come out as plain digits.
  return QString::number(static_cast<float>(twips), 'g', 7);
}

std::optional<TwipsBox> RestoredWindowPlace(const StoredWindowPlace& stored, int screenWidth, int screenHeight) {
  for (const QString* text : {&stored.height, &stored.width, &stored.top, &stored.left}) {
    if (text->isEmpty()) return std::nullopt;
  }
  const std::optional<int> left = StoredCoordinate(stored.left);
  const std::optional<int> top = StoredCoordinate(stored.top);
  const std::optional<int> width = StoredCoordinate(stored.width);
  const std::optional<int> height = StoredCoordinate(stored.height);
  if (!left || !top || !width || !height) return std::nullopt;

  // Nine tenths of the screen must lie beyond the corner: 9 * S / 10 > L.
  const bool cornerOnScreen = std::int64_t{9} * screenWidth > std::int64_t{10} * *left &&
                              std::int64_t{9} * screenHeight > std::int64_t{10} * *top;
  const bool edgesSet = *left != 0 && *top != 0;
  const bool sizePositive = *width > 0 && *height > 0;
  if (!cornerOnScreen || !edgesSet || !sizePositive) return std::nullopt;
  return TwipsBox{*left, *top, *width, *height};
}

std::optional<FoldersLayout> LayOutFolders(int innerWidth, int innerHeight, int buttonWidth, int buttonHeight) {
  const int leastWidth = buttonWidth + kButtonMargin;
  const int leastHeight = 2 * buttonHeight;
  const bool wideEnough = leastWidth < innerWidth;
  const bool tallEnough = leastHeight < innerHeight;
  const bool tooNarrow = leastWidth > innerWidth;
  const bool tooShort = leastHeight > innerHeight;

  int width = innerWidth;
  int height = innerHeight;
  if (wideEnough && tallEnough) {
    // The window as it is.
  } else if (tooNarrow && tallEnough) {
    width = leastWidth;
  } else if (tooShort && wideEnough) {
    height = leastHeight;
  } else {
    return std::nullopt;
  }
  return FoldersLayout{
      TwipsBox{(width - buttonWidth) / 2, height - kButtonMargin - buttonHeight, buttonWidth, buttonHeight},
      TwipsBox{0, 0, width, height - kListReserve - buttonHeight}};
}

}  // namespace ruvela
