#include "gui/fit_to_text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

namespace ruvela {

namespace {

// The window font the described point sizes were drawn next to.
constexpr double kDescribedWindowPoints = 8.25;

// The widest value a number box takes.
constexpr const char* kWidestNumber = "-32768";

// Drops what `layout` and the layouts inside it have measured.
void ForgetMeasures(QLayout* layout) {
  layout->invalidate();
  for (int i = 0; i < layout->count(); ++i) {
    if (QLayout* inner = layout->itemAt(i)->layout()) ForgetMeasures(inner);
  }
}

}  // namespace

QFont DescribedFont(const QString& family, double points, QFont::StyleHint hint) {
  QFont font(family);
  font.setStyleHint(hint);
  const double windowPoints = QApplication::font().pointSizeF();
  font.setPointSizeF(windowPoints > 0 ? points * windowPoints / kDescribedWindowPoints : points);
  return font;
}

int TextHeight(const QFont& font) {
  const QFontMetrics metrics(font);
  return qMax(metrics.height(), metrics.size(0, QStringLiteral("\u00c1g")).height());
}

void KeepDescribedSizeOrMore(QWidget* control, QSize described) {
  control->setMinimumSize(described.expandedTo(control->sizeHint()));
}

void FitButton(QPushButton* button, QSize described) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  option.rect = QRect(QPoint(), described);
  if (button->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
  const QStyle* style = button->style();
  const QSize border = described - style->subElementRect(QStyle::SE_PushButtonContents, &option, button).size();
  const QSize caption = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
  const int air = style->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
  button->setMinimumSize(described.expandedTo(caption + border + QSize(air, air / 2)));
}

void FitNumberBox(QLineEdit* box, int describedWidth) {
  // As a line edit measures itself, for this text instead of its usual
  // seventeen x: two pixels of margin each side, one for the cursor.
  const QFontMetrics metrics(box->font());
  const QMargins text = box->textMargins();
  const QSize contents(metrics.horizontalAdvance(QLatin1String(kWidestNumber)) + 2 * 2 + 1 + text.left() + text.right(),
                       metrics.height() + 2 * 1 + text.top() + text.bottom());
  QStyleOptionFrame option;
  option.initFrom(box);
  option.rect = box->rect();
  option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
  const QSize needed = box->style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, box);
  box->setMinimumWidth(qMax(describedWidth, needed.width()));
  box->setMinimumHeight(qMax(box->minimumHeight(), needed.height()));
}

void SetFrameMargins(QGroupBox* frame, QLayout* layout, QMargins described) {
  // The frame keeps room for its border and caption itself.
  const QMargins own = frame->contentsMargins();
  layout->setContentsMargins(qMax(0, described.left() - own.left()), qMax(0, described.top() - own.top()),
                             qMax(0, described.right() - own.right()), qMax(0, described.bottom() - own.bottom()));
}

QSize FittedWindowSize(const QWidget* window, QSize described) {
  QLayout* layout = window->layout();
  if (layout == nullptr) return described;
  // A hidden window does not measure its frames again when their texts
  // change: their layouts' measures are dropped here, so the sizes below
  // take every text as it is now.
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (control->layout() != nullptr) {
      ForgetMeasures(control->layout());
      control->updateGeometry();
    }
  }
  ForgetMeasures(layout);
  QSize size = described.expandedTo(layout->totalMinimumSize());
  if (layout->hasHeightForWidth()) size.setHeight(qMax(size.height(), layout->totalHeightForWidth(size.width())));
  return size;
}

void FixWindowSize(QWidget* window, QSize described) {
  window->setFixedSize(FittedWindowSize(window, described));
  if (window->layout() != nullptr) window->layout()->activate();
}

}  // namespace ruvela
