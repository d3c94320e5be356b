// The folders viewer's two measuring rules, kept free of widgets so that
// they can be checked case by case: where a remembered window may reopen,
// and where the list and the Close button go for a given window size. All
// measures are in twips.
#pragma once

#include <optional>

#include <QString>

namespace ruvela {

struct TwipsBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const TwipsBox&, const TwipsBox&) = default;
};

// The four remembered measures of the whole window as they stand in the
// settings store; the empty text is a measure never written.
struct StoredWindowPlace {
  QString left;
  QString top;
  QString width;
  QString height;
};

// A stored window coordinate: the leading number of the text rounded to a
// whole number, ties to even. Empty when the number lies beyond a 32-bit
// integer, which no window ever had.
std::optional<int> StoredCoordinate(const QString& text);

// A window coordinate as it is stored: the decimal text of the
// single-precision number of twips ("6645", "-150").
QString CoordinateText(int twips);

// The remembered place and size, or nothing when the window should open at
// its default place: when a measure is missing or unreadable, when the
// top-left corner lies in the right or bottom tenth of the screen or beyond,
// when the left or top edge is exactly 0, or when the size is not positive.
// Negative edges (a window left of or above the screen) are kept.
std::optional<TwipsBox> RestoredWindowPlace(const StoredWindowPlace& stored, int screenWidth, int screenHeight);

struct FoldersLayout {
  TwipsBox closeButton;
  TwipsBox list;

  friend bool operator==(const FoldersLayout&, const FoldersLayout&) = default;
};

// Where the Close button and the list go in a window whose inner area is
// innerWidth x innerHeight, for a button of buttonWidth x buttonHeight: the
// list fills the window down to 80 twips above the button, which is centred
// 40 twips above the bottom edge. A window narrower than the button plus 40
// twips is laid out as if it were that wide, one lower than twice the
// button's height as if it were that high. Nothing when it is both, or
// exactly at either limit: the controls then stay where they are.
std::optional<FoldersLayout> LayOutFolders(int innerWidth, int innerHeight, int buttonWidth, int buttonHeight);

}  // namespace ruvela
