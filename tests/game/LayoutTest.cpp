// The window's 43 controls as built: the registry, their places, texts and looks, the keyboard.

#include <QBitmap>
#include <QLabel>

#include "tests/game/Player.h"

namespace {

using Layout = Player;

QRect OnContent(Window1& window, fw::RectControl* control) {
  return {control->Widget()->mapTo(window.Content(), QPoint(0, 0)), control->Widget()->size()};
}

template <class Control>
std::vector<Control*> All(Window1& window) {
  std::vector<Control*> all;
  for (fw::Object* object : window.Controls()) {
    if (auto* control = dynamic_cast<Control*>(object)) all.push_back(control);
  }
  return all;
}

TEST_F(Layout, TheRegistryHoldsTheBoardArrayAndTheTimersAndEachHolderBeforeItsControls) {
  std::vector<fw::Object*> all = w().Controls();
  ASSERT_EQ(all.size(), 43U);
  for (int square = -1; square <= 9; ++square) {
    EXPECT_EQ(w().ImageWell1(square),
              square < 0 || square > 8 ? nullptr : all.at(static_cast<std::size_t>(square)));
  }
  EXPECT_EQ(All<fw::Timer>(w()), (std::vector<fw::Timer*>{w().Timer1(), w().Timer2()}));
  for (fw::RectControl* held : All<fw::RectControl>(w())) {
    fw::Object* holder = w().ControlByName(held->InitialParent());
    EXPECT_TRUE(!holder || std::ranges::find(all, holder) < std::ranges::find(all, held))
        << held->Name();
  }
}

TEST_F(Layout, ControlsStandAtTheirWindowCoordinatesWhicheverPageShows) {
  ASSERT_EQ(w().Content()->size(), QSize(762, 602));
  for (int page : {1, 0}) {
    w().TabPanel1()->SetValue(page);
    QApplication::processEvents();
    for (fw::RectControl* control : All<fw::RectControl>(w())) {
      QRect designed(control->Left(), control->Top(), control->Width(), control->Height());
      EXPECT_EQ(OnContent(w(), control), designed) << control->Name() << " on page " << page;
      EXPECT_TRUE(QRect(0, 0, 762, 602).contains(designed)) << control->Name();
    }
  }
  const std::pair<fw::RectControl*, QRect> places[] = {
      {w().TabPanel1(), {304, 14, 418, 512}},    {w().Label11(), {411, 81, 114, 31}},
      {w().PushButton6(), {617, 495, 80, 20}},   {w().GroupBox1(), {420, 538, 284, 44}},
      {w().RadioButton2(), {577, 556, 100, 20}}, {w().Label4(), {58, 99, 194, 45}}};
  for (const auto& [control, place] : places) EXPECT_EQ(OnContent(w(), control), place);
  const int rows[] = {0, 1, 2, 5, 4, 3, 7, 6, 8};  // the board's squares, row by row
  for (int at = 0; at < 9; ++at) {
    EXPECT_EQ(OnContent(w(), &Square(rows[at])),
              QRect(80 + 66 * (at % 3), 156 + 66 * (at / 3), 64, 64));
  }
}

// Hidden labels too, shown first: the ink covers as much as in the label made three
// times as large (as high, if it wraps its lines), so nothing is cut at any side.
TEST_F(Layout, EveryLabelsTextFitsItsBox) {
  for (fw::Label* label : All<fw::Label>(w())) {
    label->SetVisible(true);
    const QRgb background = label->Widget()->palette().color(QPalette::Window).rgb();
    auto ink = [&] {
      QImage mask = label->Widget()->grab().toImage().createMaskFromColor(background);
      return QRegion(QBitmap::fromImage(mask)).boundingRect().size();
    };
    const QSize inBox = ink();
    label->Widget()->resize((label->MultiLine() ? 1 : 3) * label->Width(), 3 * label->Height());
    EXPECT_EQ(inBox, ink()) << label->Name();
  }
}

// Texts arrive byte for byte; a carriage return breaks the line on screen.
TEST_F(Layout, LabelsShowTheirTextsAndLooks) {
  EXPECT_EQ(Text(w().Label12()), "V1.5.1  \xC3\x9F (for distribution)");
  const std::string& practice = Text(w().Label20());
  EXPECT_EQ(QString::fromStdString(practice).size(), 488);
  EXPECT_EQ(std::ranges::count(practice, '\r'), 2);
  EXPECT_EQ(static_cast<QLabel*>(w().Label20()->Widget())->text().count('\n'), 2);
  auto looks = [](fw::Label* label) {
    auto* shown = static_cast<QLabel*>(label->Widget());
    return std::tuple(shown->font().pixelSize(), shown->font().bold(), shown->font().underline(),
                      shown->palette().color(QPalette::WindowText).name().toStdString(),
                      (shown->alignment() & Qt::AlignHorizontal_Mask).toInt());
  };
  EXPECT_EQ(looks(w().Label3()), std::tuple(18, true, false, "#ff0080", Qt::AlignHCenter));
  EXPECT_EQ(looks(w().Label4()), std::tuple(36, true, false, "#dd0000", Qt::AlignHCenter));
  EXPECT_EQ(looks(w().Label11()), std::tuple(18, true, false, "#000000", Qt::AlignHCenter));
  for (fw::Label* link : {w().Label7(), w().Label8(), w().Label22()}) {
    EXPECT_EQ(looks(link), std::tuple(12, false, true, "#6666ff", Qt::AlignLeft));
  }
  EXPECT_EQ(looks(w().Label16()), std::tuple(12, false, false, "#000000", Qt::AlignRight));
}

// Return and Enter push START while it shows, wherever the focus is.
TEST_F(Layout, ReturnPushesStartWhileItShows) {
  QApplication::setActiveWindow(w().Widget());
  w().RadioButton1()->Widget()->setFocus();
  Press(Qt::Key_Enter);
  EXPECT_EQ(Screen(), "two enabled; score 0; me ; you ; timers 20");
  WatchRound();
  w().PushButton2()->Widget()->setFocus();
  Press(Qt::Key_Return);  // START hidden: nothing, not END either
  EXPECT_EQ(Screen(), "white enabled; score 0; Your Turn; me ; you ; timers 00");
  End();
  Press(Qt::Key_Return);
  EXPECT_EQ(Screen(), "two enabled; score 0; me ; you ; timers 20");
  EXPECT_EQ(heard, (Strings{"Purr", "Basso"}));
}

}  // namespace
