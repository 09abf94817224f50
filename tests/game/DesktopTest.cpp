// What the desktop must not change of what the player did or sees: the
// keyboard focus when START hides, a modal box over a still pointer, the
// wheel with Alt held, and a dark colour scheme.

#include <QCursor>
#include <QPushButton>
#include <QTimer>

#include "tests/game/Player.h"

namespace {

using Desktop = Player;

TEST_F(Desktop, NoKeyEndsTheRoundOnceStartHasHiddenItself) {
  QApplication::setActiveWindow(w().Widget());
  w().PushButton1()->Widget()->setFocus(Qt::MouseFocusReason);  // as the click gives it
  Start();
  EXPECT_EQ(qobject_cast<QPushButton*>(QApplication::focusWidget()), nullptr);
  for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w().Widget(), key);
  }
  EXPECT_EQ(Screen(), "two enabled; score 0; me ; you ; timers 20");
}

// Qt sends the square under the pointer a leave event as the box opens.
TEST_F(Desktop, APracticeColourOutlastsItsMessageBoxUntilThePointerLeaves) {
  fw::testing::SetMessageBoxHandler({});
  fw::ImageWell& practice = fw::NotNil(w().ImageWell2());
  w().TabPanel1()->SetValue(1);
  QApplication::processEvents();
  QCursor::setPos(practice.Widget()->mapToGlobal(practice.Widget()->rect().center()));
  QApplication::processEvents();  // the pointer enters the window
  Wheel(practice, 0, -1);
  std::string whileOpen;
  QTimer::singleShot(50, [&] {
    whileOpen = Shows(practice);
    fw::NotNil(QApplication::activeModalWidget()).close();
  });
  Click(&practice);
  EXPECT_EQ(whileOpen + " " + Shows(practice), "red red");
  QTest::mouseMove(w().Label1()->Widget());  // off the square, within the window
  EXPECT_EQ(Shows(practice), "white");
}

// With Alt held, Qt's desktop platforms turn the wheel sideways.
TEST_F(Desktop, AltKeepsTheWheelUpright) {
  Start();
  WatchRound();
  Wheel(Square(4), 1, 0, Qt::AltModifier);  // the wheel turned down, as delivered
  EXPECT_EQ(Board(), "4b");
}

class DarkDesktop : public Player {
  const QPalette desktop = QApplication::palette();
  void SetUp() override {
    QApplication::setPalette(QPalette(QColor(0x32, 0x32, 0x32)));
    Player::SetUp();
  }
  void TearDown() override {
    Player::TearDown();
    QApplication::setPalette(desktop);
  }
};

// Read in the pixels: the ink farthest in luminance from a box's commonest colour.
int Contrast(const QImage& shot, const QRect& box) {
  auto luminance = [](QRgb rgb) {
    return (299 * qRed(rgb) + 587 * qGreen(rgb) + 114 * qBlue(rgb)) / 1000;
  };
  std::map<QRgb, int> counts;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) ++counts[shot.pixel(x, y)];
  }
  const QRgb background =
      std::ranges::max_element(counts, {}, [](auto& c) { return c.second; })->first;
  int most = 0;
  for (const auto& [ink, count] : counts)
    most = std::max(most, std::abs(luminance(ink) - luminance(background)));
  return most;
}

TEST_F(DarkDesktop, TheTextsStayDarkOnLight) {
  for (int page : {0, 1}) {
    w().TabPanel1()->SetValue(page);
    QApplication::processEvents();
    const QImage shot = w().Content()->grab().toImage();
    for (fw::Object* object : w().Controls()) {
      auto* text = dynamic_cast<fw::TextControl*>(object);
      if (!text || !Seen(text) || dynamic_cast<fw::TabPanel*>(text)) continue;
      // A radio button's caption right of its circle; a group box's caption above its frame.
      const bool radio = dynamic_cast<fw::RadioButton*>(text) != nullptr;
      const QRect box(text->Left() + (radio ? 20 : 0), text->Top(), radio ? 40 : text->Width(),
                      dynamic_cast<fw::GroupBox*>(text) ? 14 : text->Height());
      if (auto* label = dynamic_cast<fw::Label*>(text);
          label && label->Text().find_first_not_of(' ') == std::string::npos)
        continue;
      EXPECT_GE(Contrast(shot, box), 100) << text->Name() << " on page " << page;
    }
  }
}

}  // namespace
