#include "gui/elided_label.h"

#include <QFontMetrics>
#include <QResizeEvent>

namespace ruvela {

QString ElidedInMiddle(const QString& text, const QFontMetrics& metrics, int width) {
  if (metrics.horizontalAdvance(text) <= width) return text;
  return metrics.elidedText(text, Qt::ElideMiddle, qMax(0, width));
}

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {}

void ElidedLabel::setElidedText(const QString& fixedStart, const QString& elidable) {
  fixedStart_ = fixedStart;
  elidable_ = elidable;
  showFitted();
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  if (!fixedStart_.isEmpty() || !elidable_.isEmpty()) showFitted();
}

void ElidedLabel::showFitted() {
  const QFontMetrics metrics = fontMetrics();
  const int room = contentsRect().width() - metrics.horizontalAdvance(fixedStart_);
  setText(fixedStart_ + ElidedInMiddle(elidable_, metrics, room));
}

}  // namespace ruvela
