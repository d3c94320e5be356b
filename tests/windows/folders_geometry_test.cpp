// The folders viewer's measuring rules: which remembered places are used
// again, and where the list and the button go for a given window size.
#include <optional>

#include <QTest>

#include "windows/folders_geometry.h"

using namespace ruvela;

Q_DECLARE_METATYPE(std::optional<TwipsBox>)
Q_DECLARE_METATYPE(std::optional<FoldersLayout>)

namespace {

// A 1024 x 768 screen: nine tenths of it are 13824 x 10368 twips.
constexpr int kScreenWidth = 1024 * 15;
constexpr int kScreenHeight = 768 * 15;

const std::optional<TwipsBox> kDefaultPlace;

std::optional<TwipsBox> Place(int left, int top, int width, int height) { return TwipsBox{left, top, width, height}; }

// The button of the viewer: 1575 x 375 twips.
constexpr int kButtonWidth = 1575;
constexpr int kButtonHeight = 375;

std::optional<FoldersLayout> Layout(TwipsBox button, TwipsBox list) { return FoldersLayout{button, list}; }

}  // namespace

class FoldersGeometryTest : public QObject {
  Q_OBJECT

 private slots:
  void restoredPlace_data();
  void restoredPlace();
  void storedCoordinate_data();
  void storedCoordinate();
  void coordinateText_data();
  void coordinateText();
  void layout_data();
  void layout();
};

void FoldersGeometryTest::restoredPlace_data() {
  QTest::addColumn<QString>("left");
  QTest::addColumn<QString>("top");
  QTest::addColumn<QString>("width");
  QTest::addColumn<QString>("height");
  QTest::addColumn<std::optional<TwipsBox>>("expected");

  // clang-format off
  QTest::newRow("never stored") << "" << "" << "" << "" << kDefaultPlace;
  QTest::newRow("height missing") << "1500" << "1200" << "6900" << "" << kDefaultPlace;
  QTest::newRow("left missing") << "" << "1200" << "6900" << "3600" << kDefaultPlace;
  QTest::newRow("all four stored") << "1500" << "1200" << "6900" << "3600" << Place(1500, 1200, 6900, 3600);
  QTest::newRow("left edge 0") << "0" << "1200" << "6900" << "3600" << kDefaultPlace;
  QTest::newRow("top edge 0") << "1500" << "0" << "6900" << "3600" << kDefaultPlace;
  QTest::newRow("width 0") << "1500" << "1200" << "0" << "3600" << kDefaultPlace;
  QTest::newRow("height 0") << "1500" << "1200" << "6900" << "0" << kDefaultPlace;
  QTest::newRow("left rounds to 0") << "0.4" << "1200" << "6900" << "3600" << kDefaultPlace;
  QTest::newRow("left without a number reads 0") << "abc" << "1200" << "6900" << "3600" << kDefaultPlace;
  QTest::newRow("left at nine tenths") << "13824" << "1200" << "6900" << "3600" << kDefaultPlace;
  QTest::newRow("left just inside nine tenths") << "13823" << "1200" << "6900" << "3600"
                                                << Place(13823, 1200, 6900, 3600);
  QTest::newRow("left beyond the screen") << "20000" << "1200" << "6900" << "3600" << kDefaultPlace;
  QTest::newRow("top at nine tenths") << "1500" << "10368" << "6900" << "3600" << kDefaultPlace;
  QTest::newRow("top just inside nine tenths") << "1500" << "10367" << "6900" << "3600"
                                               << Place(1500, 10367, 6900, 3600);
  QTest::newRow("negative edges: left of and above the screen")
      << "-150" << "-300" << "6900" << "3600" << Place(-150, -300, 6900, 3600);
  QTest::newRow("ties round to even") << "1500.5" << "1201.5" << "6900.4" << "3600.6"
                                      << Place(1500, 1202, 6900, 3601);
  QTest::newRow("leading numbers of longer texts") << " 1 500twips" << "&H4B0" << "6.9E3" << "3600;"
                                                   << Place(1500, 1200, 6900, 3600);
  QTest::newRow("negative width") << "1500" << "1200" << "-6900" << "3600" << kDefaultPlace;
  QTest::newRow("beyond 32 bits") << "1500" << "1200" << "1E12" << "3600" << kDefaultPlace;
  // clang-format on
}

void FoldersGeometryTest::restoredPlace() {
  QFETCH(QString, left);
  QFETCH(QString, top);
  QFETCH(QString, width);
  QFETCH(QString, height);
  QFETCH(std::optional<TwipsBox>, expected);

  const std::optional<TwipsBox> place =
      RestoredWindowPlace(StoredWindowPlace{left, top, width, height}, kScreenWidth, kScreenHeight);
  QCOMPARE(place.has_value(), expected.has_value());
  if (place) {
    QCOMPARE(place->left, expected->left);
    QCOMPARE(place->top, expected->top);
    QCOMPARE(place->width, expected->width);
    QCOMPARE(place->height, expected->height);
  }
}

void FoldersGeometryTest::storedCoordinate_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<std::optional<int>>("expected");

  // clang-format off
  QTest::newRow("whole") << "6645" << std::optional<int>(6645);
  QTest::newRow("negative") << "-150" << std::optional<int>(-150);
  QTest::newRow("half rounds down to even") << "2.5" << std::optional<int>(2);
  QTest::newRow("half rounds up to even") << "3.5" << std::optional<int>(4);
  QTest::newRow("negative half to even") << "-2.5" << std::optional<int>(-2);
  QTest::newRow("largest 32-bit") << "2147483647" << std::optional<int>(2147483647);
  QTest::newRow("smallest 32-bit") << "-2147483648" << std::optional<int>(-2147483647 - 1);
  QTest::newRow("one beyond") << "2147483648" << std::optional<int>();
  QTest::newRow("far beyond") << "-1D300" << std::optional<int>();
  QTest::newRow("empty reads 0") << "" << std::optional<int>(0);
  // clang-format on
}

void FoldersGeometryTest::storedCoordinate() {
  QFETCH(QString, text);
  QFETCH(std::optional<int>, expected);
  QCOMPARE(StoredCoordinate(text), expected);
}

void FoldersGeometryTest::coordinateText_data() {
  QTest::addColumn<int>("twips");
  QTest::addColumn<QString>("expected");
  // clang-format off
  QTest::newRow("default width") << 6645 << "6645";
  QTest::newRow("zero") << 0 << "0";
  QTest::newRow("negative") << -150 << "-150";
  QTest::newRow("seven digits") << 1234560 << "1234560";
  // clang-format on
}

void FoldersGeometryTest::coordinateText() {
  QFETCH(int, twips);
  QFETCH(QString, expected);
  QCOMPARE(CoordinateText(twips), expected);
  QCOMPARE(StoredCoordinate(CoordinateText(twips)), std::optional<int>(twips));
}

void FoldersGeometryTest::layout_data() {
  QTest::addColumn<int>("innerWidth");
  QTest::addColumn<int>("innerHeight");
  QTest::addColumn<std::optional<FoldersLayout>>("expected");

  // The button sits 40 twips above the bottom, 80 below the list.
  // clang-format off
  QTest::newRow("default size") << 6645 << 3195
                                << Layout({2535, 2780, 1575, 375}, {0, 0, 6645, 2700});
  QTest::newRow("just above both limits") << 1616 << 751
                                          << Layout({20, 336, 1575, 375}, {0, 0, 1616, 256});
  QTest::newRow("too narrow: as wide as the button and 40")
      << 1000 << 3195 << Layout({20, 2780, 1575, 375}, {0, 0, 1615, 2700});
  QTest::newRow("too short: as high as two buttons")
      << 6645 << 500 << Layout({2535, 335, 1575, 375}, {0, 0, 6645, 255});
  QTest::newRow("too narrow and too short") << 1000 << 500 << std::optional<FoldersLayout>();
  QTest::newRow("width exactly at its limit") << 1615 << 3195 << std::optional<FoldersLayout>();
  QTest::newRow("height exactly at its limit") << 6645 << 750 << std::optional<FoldersLayout>();
  QTest::newRow("too narrow, height at its limit") << 1000 << 750 << std::optional<FoldersLayout>();
  // clang-format on
}

void FoldersGeometryTest::layout() {
  QFETCH(int, innerWidth);
  QFETCH(int, innerHeight);
  QFETCH(std::optional<FoldersLayout>, expected);

  const std::optional<FoldersLayout> layout = LayOutFolders(innerWidth, innerHeight, kButtonWidth, kButtonHeight);
  QCOMPARE(layout.has_value(), expected.has_value());
  if (!layout) return;
  const auto describe = [](const TwipsBox& box) {
    return QStringLiteral("%1,%2 %3x%4").arg(box.left).arg(box.top).arg(box.width).arg(box.height);
  };
  QCOMPARE(describe(layout->closeButton), describe(expected->closeButton));
  QCOMPARE(describe(layout->list), describe(expected->list));
}

QTEST_APPLESS_MAIN(FoldersGeometryTest)
#include "folders_geometry_test.moc"
