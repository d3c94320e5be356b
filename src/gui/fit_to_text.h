// Window measures that follow the fonts the user has. The described sizes
// were drawn for an 8.25-point window font; here they are where a window
// starts, and a control or window grows beyond them only as far as its
// texts, measured in their own fonts, need.
#pragma once

#include <QFont>
#include <QMargins>
#include <QSize>
#include <QString>

class QGroupBox;
class QLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace ruvela {

// A font of the description (a family and a point size drawn next to the
// 8.25-point window font), at the same proportion to the user's window font.
QFont DescribedFont(const QString& family, double points, QFont::StyleHint hint);

// The height of one line of text in `font`, accents and descenders included.
int TextHeight(const QFont& font);

// The control's described size, or its size hint (its text in its font,
// with the style's margins) where that is larger, as its least size.
void KeepDescribedSizeOrMore(QWidget* control, QSize described);

// A button's described size, or larger where its caption does not fit
// inside the button's border at that size.
void FitButton(QPushButton* button, QSize described);

// A number box at least `describedWidth` wide and wide enough for the
// widest value it takes, -32768, in its font.
void FitNumberBox(QLineEdit* box, int describedWidth);

// Places `layout` inside `frame` so that its controls start `described`
// pixels from the frame's edges, or below the frame's caption where that
// reaches further.
void SetFrameMargins(QGroupBox* frame, QLayout* layout, QMargins described);

// The size a laid-out window takes: the described inner size, or what its
// layout needs where that is larger (a wrapped text's height included).
QSize FittedWindowSize(const QWidget* window, QSize described);

// A window of fixed size at FittedWindowSize, its controls placed at once.
void FixWindowSize(QWidget* window, QSize described);

}  // namespace ruvela
