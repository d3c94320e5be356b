#include "gui/on_screen.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QObject>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace ruvela {

namespace {

int PlaceAlong(int start, int length, int areaStart, int areaLength) {
  if (length >= areaLength) return areaStart;
  if (start < areaStart) return areaStart;
  if (start + length > areaStart + areaLength) return areaStart + areaLength - length;
  return start;
}

// The frame the window manager puts around `window`: its own once known,
// else its parent window's, which the same manager framed alike.
QMargins FrameMargins(const QWidget* window) {
  if (window->windowFlags().testFlag(Qt::FramelessWindowHint)) return {};
  for (const QWidget* framed = window; framed != nullptr;
       framed = framed->parentWidget() ? framed->parentWidget()->window() : nullptr) {
    if (framed->windowHandle() != nullptr && !framed->windowHandle()->frameMargins().isNull()) {
      return framed->windowHandle()->frameMargins();
    }
  }
  return {};
}

// The screen holding the window's centre, else its top-left corner, else
// the one Qt gave it.
QScreen* ScreenOf(const QWidget* window, const QRect& frame) {
  if (QScreen* screen = QGuiApplication::screenAt(frame.center())) return screen;
  if (QScreen* screen = QGuiApplication::screenAt(frame.topLeft())) return screen;
  return window->screen();
}

class ScreenKeeper final : public QObject {
 public:
  explicit ScreenKeeper(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show) {
      FitOnScreen(window_);
      // The frame is known once the window is on screen.
      if (window_->windowHandle() != nullptr) window_->windowHandle()->installEventFilter(this);
    } else if (watched == window_->windowHandle() && event->type() == QEvent::Expose &&
               window_->windowHandle()->isExposed()) {
      window_->windowHandle()->removeEventFilter(this);
      FitOnScreen(window_);
    }
    return false;
  }

 private:
  QWidget* window_;
};

}  // namespace

QRect PlaceInside(const QRect& frame, const QRect& available) {
  return QRect(QPoint(PlaceAlong(frame.left(), frame.width(), available.left(), available.width()),
                      PlaceAlong(frame.top(), frame.height(), available.top(), available.height())),
               frame.size());
}

void KeepOnScreen(QWidget* window) { new ScreenKeeper(window); }

void FitOnScreen(QWidget* window) {
  const QMargins margins = FrameMargins(window);
  QRect frame = window->geometry().marginsAdded(margins);
  const QScreen* screen = ScreenOf(window, frame);
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  if (window->minimumSize() != window->maximumSize()) {
    const QSize least = window->minimumSize().expandedTo(window->minimumSizeHint());
    const QSize inner = window->size().boundedTo(available.size().shrunkBy(margins)).expandedTo(least);
    if (inner != window->size()) window->resize(inner);
    frame = window->geometry().marginsAdded(margins);
  }
  const QRect placed = PlaceInside(frame, available);
  if (placed.topLeft() != frame.topLeft()) window->move(placed.topLeft());  // a window's position is its frame's
}

}  // namespace ruvela
