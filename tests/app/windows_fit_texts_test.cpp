// Every window of the program, in the states the user meets it, shows each
// of its texts whole, with the default font and with one half again as
// large: labels, buttons, check boxes, option buttons and frame captions
// fit inside their controls, number boxes show -32768 whole, and no two
// controls side by side overlap. Texts the user gave (names, paths) are
// shown as written, never read as markup.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>

#include "app/user_questions.h"
#include "app/window_texts.h"
#include "ruvela/version.h"
#include "sample_files.h"
#include "scripted_services.h"
#include "support/memory_settings_store.h"
#include "windows/about_window.h"
#include "windows/folders_viewer.h"
#include "windows/help_window.h"
#include "windows/question_window.h"

using namespace ruvela;

namespace {

using namespace ruvela::texts;

QString NameOf(const QWidget* control) {
  return control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                         : control->objectName();
}

// The text as drawn, with a caption's access key shown as an underline.
QSize TextSize(const QWidget* control, const QString& text) {
  return control->fontMetrics().size(Qt::TextShowMnemonic, text);
}

QString ButtonProblem(const QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  option.rect = button->rect();
  QStyle::SubElement contents = QStyle::SE_PushButtonContents;
  if (qobject_cast<const QCheckBox*>(button) != nullptr) contents = QStyle::SE_CheckBoxContents;
  if (qobject_cast<const QRadioButton*>(button) != nullptr) contents = QStyle::SE_RadioButtonContents;
  if (const auto* push = qobject_cast<const QPushButton*>(button); push != nullptr && push->isDefault()) {
    option.features |= QStyleOptionButton::DefaultButton;
  }
  const QRect room = button->style()->subElementRect(contents, &option, button);
  const QSize text = TextSize(button, button->text());
  if (text.width() <= room.width() && text.height() <= room.height()) return {};
  return QStringLiteral("%1 needs %2x%3 for its text, has %4x%5")
      .arg(NameOf(button))
      .arg(text.width())
      .arg(text.height())
      .arg(room.width())
      .arg(room.height());
}

QString LabelProblem(const QLabel* label) {
  if (label->textFormat() != Qt::PlainText) return NameOf(label) + QStringLiteral(" reads its text as markup");
  const QRect room = label->contentsRect();
  if (label->wordWrap()) {
    if (label->heightForWidth(label->width()) <= label->height()) return {};
    return NameOf(label) + QStringLiteral(" is too low for its wrapped text");
  }
  const QSize text =
      label->buddy() != nullptr ? TextSize(label, label->text()) : label->fontMetrics().size(0, label->text());
  if (text.width() <= room.width() && text.height() <= room.height()) return {};
  return QStringLiteral("%1 needs %2x%3 for \"%4\", has %5x%6")
      .arg(NameOf(label))
      .arg(text.width())
      .arg(text.height())
      .arg(label->text())
      .arg(room.width())
      .arg(room.height());
}

QStringList FrameProblems(const QGroupBox* frame) {
  QStyleOptionGroupBox option;
  option.initFrom(frame);
  option.text = frame->title();
  option.lineWidth = 1;
  option.textAlignment = frame->alignment();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  option.rect = frame->rect();
  const QRect caption = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
  QStringList problems;
  if (TextSize(frame, frame->title()).width() > qMin(caption.width(), frame->width())) {
    problems << NameOf(frame) + QStringLiteral(" cuts its caption");
  }
  for (const QWidget* control : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (control->isVisibleTo(frame) && control->geometry().intersects(caption)) {
      problems << NameOf(control) + QStringLiteral(" covers the caption of ") + NameOf(frame);
    }
  }
  return problems;
}

QString NumberBoxProblem(const QLineEdit* box) {
  QStyleOptionFrame option;
  option.initFrom(box);
  option.rect = box->rect();
  option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
  // The box keeps two pixels free at each side of its text, one for the cursor.
  const QRect room = box->style()
                         ->subElementRect(QStyle::SE_LineEditContents, &option, box)
                         .marginsRemoved(box->textMargins())
                         .adjusted(2, 0, -3, 0);
  const int text = box->fontMetrics().horizontalAdvance(QStringLiteral("-32768"));
  if (text <= room.width() && box->fontMetrics().height() <= room.height()) return {};
  return NameOf(box) + QStringLiteral(" cannot show -32768");
}

// Everything cut or covered in `window`, in words; empty when nothing is.
QStringList Problems(const QWidget* window) {
  QStringList problems;
  for (const QWidget* control : window->findChildren<QWidget*>()) {
    if (!control->isVisibleTo(window)) continue;
    QString problem;
    if (const auto* button = qobject_cast<const QAbstractButton*>(control); button && !button->text().isEmpty()) {
      problem = ButtonProblem(button);
    } else if (const auto* label = qobject_cast<const QLabel*>(control); label && !label->text().isEmpty()) {
      problem = LabelProblem(label);
    } else if (const auto* box = qobject_cast<const QLineEdit*>(control); box && !box->isReadOnly()) {
      problem = NumberBoxProblem(box);
    } else if (const auto* frame = qobject_cast<const QGroupBox*>(control); frame && !frame->title().isEmpty()) {
      problems << FrameProblems(frame);
    }
    if (!problem.isEmpty()) problems << problem;

    const QList<QWidget*> siblings = control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < siblings.size(); ++i) {
      for (qsizetype j = i + 1; j < siblings.size(); ++j) {
        const QWidget* a = siblings[i];
        const QWidget* b = siblings[j];
        if (!a->isVisibleTo(window) || !b->isVisibleTo(window) || a->isWindow() || b->isWindow()) continue;
        if (a->geometry().intersects(b->geometry())) problems << NameOf(a) + QStringLiteral(" overlaps ") + NameOf(b);
      }
    }
  }
  return problems;
}

}  // namespace

class WindowsFitTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { defaultFont_ = QApplication::font(); }
  void cleanup() { QApplication::setFont(defaultFont_); }
  void textsFit_data();
  void textsFit();

 private:
  QFont defaultFont_;
};

void WindowsFitTextsTest::textsFit_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<double>("fontScale");
  const QStringList windows{"main window idle",
                            "main window after GPX",
                            "main window after KML",
                            "GPX -> KML options",
                            "KML -> GPX options",
                            "question: pending before open",
                            "question: pending before exit",
                            "question: file exists",
                            "folders viewer",
                            "About",
                            "Help"};
  for (const double scale : {1.0, 1.5}) {
    for (const QString& window : windows) {
      QTest::newRow(qPrintable(QStringLiteral("%1, font x%2").arg(window).arg(scale))) << window << scale;
    }
  }
}

void WindowsFitTextsTest::textsFit() {
  QFETCH(QString, window);
  QFETCH(double, fontScale);
  QFont font = defaultFont_;
  font.setPointSizeF(defaultFont_.pointSizeF() * fontScale);
  QApplication::setFont(font);

  QTemporaryDir directory;
  ScriptedWindow main(directory.path());
  main.window().startUp({});
  if (window == u"main window after GPX") {
    main.window().processFile(samples::Write(directory, QStringLiteral("<b>ruta.gpx"), samples::kGpx));
  }
  if (window == u"main window after KML") {
    main.window().processFile(samples::Write(directory, QStringLiteral("doc.kml"), samples::kDocumentKml));
  }
  MemorySettingsStore store;
  std::unique_ptr<QWidget> other;
  QWidget* shown = &main.window();
  if (window.endsWith(u"options")) {
    // The dialogs the main window made and filled at start-up.
    const char* name = window.startsWith(u"GPX") ? "frmGPX2KMLOpts" : "frmKML2GPXOpts";
    shown = main.window().findChild<QWidget*>(QLatin1String(name));
  } else if (window == u"question: pending before open") {
    other = std::make_unique<QuestionWindow>(QuestionTexts(kPendingBeforeOpen));
  } else if (window == u"question: pending before exit") {
    other = std::make_unique<QuestionWindow>(QuestionTexts(kPendingBeforeExit));
  } else if (window == u"question: file exists") {
    other = std::make_unique<QuestionWindow>(QuestionTexts(kTargetExists));
  } else if (window == u"folders viewer") {
    auto viewer = std::make_unique<FoldersViewer>(store);
    viewer->showList(QStringLiteral("Mis lugares\r\n  Routes <<<\r\n"));
    other = std::move(viewer);
  } else if (window == u"About") {
    auto about = std::make_unique<AboutWindow>(QString::fromUtf8(kAppTitle));
    about->showTexts(AboutTextsFor(ruvela::kVersionMajor, ruvela::kVersionMinor, ruvela::kVersionRevision));
    other = std::move(about);
  } else if (window == u"Help") {
    other = std::make_unique<HelpWindow>(QString::fromUtf8(kAppTitle));
  }
  if (other) shown = other.get();
  shown->show();
  const QStringList problems = Problems(shown);
  QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}

QTEST_MAIN(WindowsFitTextsTest)
#include "windows_fit_texts_test.moc"
