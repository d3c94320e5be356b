// Window measures are kept in twips, 1/1440 inch; 15 twips make one pixel.
#pragma once

#include <QRect>

namespace ruvela {

constexpr int Px(int twips) { return twips / 15; }
constexpr int Twips(int pixels) { return pixels * 15; }

inline QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

}  // namespace ruvela
