// The question window: its texts, and the answer each way of closing it gives.
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "windows/question_window.h"

using namespace ruvela;

namespace {

PromptTexts OverwriteQuestion() {
  return {QStringLiteral("Zuvodirod ORE <-> DOV "),
          QStringLiteral("CUIDADO: El archivo ya existe para no cambiarlo hay que cancelar y usar otro nombre."),
          QStringLiteral("&Cancelar"), QStringLiteral("Reescri&birlo")};
}

}  // namespace

class MsgBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void showsCallersTexts();
  void longMessageWrapsInsideLabel();
  void answers_data();
  void answers();
};

void MsgBoxTest::showsCallersTexts() {
  QuestionWindow box(OverwriteQuestion());
  QCOMPARE(box.windowTitle(), QStringLiteral("Zuvodirod ORE <-> DOV "));
  QCOMPARE(box.findChild<QPushButton*>(QStringLiteral("cmdOK"))->text(), QStringLiteral("&Cancelar"));
  QCOMPARE(box.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->text(), QStringLiteral("Reescri&birlo"));
  QVERIFY(box.width() >= 314 && box.height() >= 104);  // 4710 x 1560 twips, or as the texts need
}

void MsgBoxTest::longMessageWrapsInsideLabel() {
  QuestionWindow box(OverwriteQuestion());
  const QLabel* message = box.findChild<QLabel*>(QStringLiteral("lblMess"));
  const int needed = message->heightForWidth(message->width());
  QVERIFY2(needed > QFontMetrics(message->font()).height(), "the message should take more than one line");
  QVERIFY2(needed <= message->height(), "the message should fit inside its label");
}

void MsgBoxTest::answers_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<bool>("firstButton");
  QTest::newRow("Enter: first button") << "enter" << true;
  QTest::newRow("Esc: second button") << "escape" << false;
  QTest::newRow("click first") << "ok" << true;
  QTest::newRow("click second") << "cancel" << false;
  QTest::newRow("window closed: the cautious first") << "close" << true;
}

void MsgBoxTest::answers() {
  QFETCH(QString, how);
  QFETCH(bool, firstButton);
  QuestionWindow box(OverwriteQuestion());
  box.show();

  if (how == u"enter") QTest::keyClick(&box, Qt::Key_Return);
  if (how == u"escape") QTest::keyClick(&box, Qt::Key_Escape);
  if (how == u"ok") box.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  if (how == u"cancel") box.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
  if (how == u"close") box.close();

  QVERIFY(!box.isVisible());
  QCOMPARE(box.firstButtonChosen(), firstButton);
}

QTEST_MAIN(MsgBoxTest)
#include "question_window_test.moc"
