// The window's 43 controls as built: the registry, their places, texts and looks, the keyboard.

#include <QBitmap>
#include <QLabel>

#include "tests/game/Player.h"

namespace {

using Layout = Player;

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

// What a player sees and where it stands on the content area, as designed, apart
// from the game's own table: on the window ('W'; 'h' hidden until the game shows
// it), on the About page ('A') or on the Instructions page ('I'); the text it
// shows begins so.
// clang-format off
const std::tuple<char, QRect, std::string_view> kDesigned[] = {
    {'W', kStart,               "START"},        {'W', {183, 380, 93, 20},   "END ?"},
    {'W', {58, 422, 49, 20},    "SCORE:"},       {'W', kScore,               "0"},
    {'h', kFinalScore,          "Sorry You Loose"}, {'h', kYourTurn,         "Your Turn"},
    {'W', {58, 449, 100, 20},   "Final Round:"},
    {'W', {58, 474, 64, 20},    "Me:"},          {'W', kMe,                  ""},
    {'W', {69, 506, 64, 20},    "You:"},         {'W', kYou,                 ""},
    {'W', {304, 14, 418, 512},  "About Instructions"},
    {'W', {420, 538, 284, 44},  "MODE"},         {'W', {433, 556, 100, 20},  "normal"},
    {'W', {577, 556, 100, 20},  "silent"},
    {'A', {411, 81, 114, 31},   "Quorvelle"},    {'A', {365, 119, 201, 20},  "V1.5.1  \u00DF"},
    {'A', {328, 142, 100, 20},  "From"},         {'A', {439, 142, 135, 20},  "www.example.org"},
    {'A', {349, 174, 79, 20},   "Web Site"},
    {'A', {439, 174, 261, 20},  "https://www.example.org/quorvelle/"},
    {'A', {379, 200, 299, 67},  "NOTE: Please send suggestions"},
    {'A', {326, 302, 76, 20},   "\u00A9 2026"},  {'A', {414, 302, 205, 20},  "quorvelle@example.org"},
    {'I', {310, 49, 394, 279},  "Watch Tavik, then"},
    {'I', {397, 334, 307, 149}, "You can practice on the left."},
    {'I', {319, 351, 66, 74},   ""},             {'I', {341, 495, 65, 20},   "TRY:"},
    {'I', {418, 495, 80, 20},   "ring"},         {'I', {510, 495, 80, 20},   "beep"},
    {'I', {617, 495, 80, 20},   "buzz"}};
// clang-format on

TEST_F(Layout, EachThingStandsWhereItWasDesignedOnEitherPage) {
  for (char page : {'I', 'A'}) {
    w().TabPanel1()->SetValue(page == 'A' ? 0 : 1);
    QApplication::processEvents();
    for (const auto& [where, box, text] : kDesigned) {
      EXPECT_TRUE(Reads(box).starts_with(text))
          << Reads(box) << " where " << text << " was designed";
      EXPECT_EQ(Visible(box), where == 'W' || where == page)
          << "at " << box.x() << "," << box.y() << " with page " << page << " showing";
    }
  }
  const int rows[] = {0, 1, 2, 5, 4, 3, 7, 6, 8};  // the board's squares, row by row
  for (int at = 0; at < 9; ++at) {
    EXPECT_EQ(OnContent(Square(rows[at]).Widget()),
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
