// A one-line label whose text may be longer than the label is wide: a fixed
// start stays whole and the rest gives up characters in its middle ("…"),
// taken again whenever the label changes its width.
#pragma once

#include <QLabel>
#include <QString>

class QResizeEvent;

namespace ruvela {

class ElidedLabel final : public QLabel {
  Q_OBJECT

 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  // Shows `fixedStart` followed by `elidable`, the latter shortened in its
  // middle where the whole does not fit.
  void setElidedText(const QString& fixedStart, const QString& elidable);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void showFitted();

  QString fixedStart_;
  QString elidable_;
};

// `text` shortened in its middle to fit `width` pixels in `metrics`, or
// whole when it fits.
QString ElidedInMiddle(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace ruvela
