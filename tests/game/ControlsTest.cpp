// The game window's 43 controls as the window is built: the registry and
// its accessors, where the controls stand, their texts and looks, the state
// before the first game, and the keyboard.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <typeinfo>
#include <vector>

#include "framework/Testing.h"
#include "tests/game/GameWindow.h"

namespace {

QRect OnContent(const Window1& window, const fw::RectControl& control) {
  return {control.Widget()->mapTo(window.Content(), QPoint(0, 0)), control.Widget()->size()};
}

QRect Designed(const fw::RectControl& control) {
  return {control.Left(), control.Top(), control.Width(), control.Height()};
}

std::vector<fw::RectControl*> RectControls(const Window1& window) {
  std::vector<fw::RectControl*> all;
  for (fw::Object* object : window.Controls()) {
    if (auto* control = dynamic_cast<fw::RectControl*>(object)) all.push_back(control);
  }
  return all;
}

// A key pressed on the keyboard reaches the widget that has the focus.
void Press(Window1& window, Qt::Key key) {
  QWidget* target = QApplication::focusWidget();
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(target != nullptr ? target : window.Widget(), &press);
}

// How many rows of the picture hold a pixel other than the background.
int InkRows(const QImage& image, QRgb background) {
  int rows = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != background) {
        ++rows;
        break;
      }
    }
  }
  return rows;
}

void Activate(Window1& window) {
  QApplication::setActiveWindow(window.Widget());
  window.Widget()->activateWindow();
}

}  // namespace

TEST_F(GameWindow, RegistryHoldsTheBoardArrayAndThirtyFourSingleControls) {
  std::vector<fw::Object*> controls = window().Controls();
  ASSERT_EQ(controls.size(), 43U);

  std::vector<std::int32_t> squareIndices;
  std::set<std::string> singleNames;
  std::vector<fw::Object*> timers;
  for (fw::Object* object : controls) {
    auto* control = dynamic_cast<fw::Control*>(object);
    if (control == nullptr) {
      timers.push_back(object);
      continue;
    }
    if (control->Name() == "ImageWell1") {
      EXPECT_EQ(typeid(*control), typeid(window1::ImageWell1));
      EXPECT_EQ(window().ImageWell1(control->Index()), control);
      squareIndices.push_back(control->Index());
    } else {
      EXPECT_EQ(control->Index(), fw::Control::kNoIndex) << control->Name();
      singleNames.insert(control->Name());
    }
  }
  EXPECT_EQ(squareIndices, (std::vector<std::int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(singleNames.size(), 32U);
  ASSERT_NE(window().Timer1(), window().Timer2());
  EXPECT_EQ(timers, (std::vector<fw::Object*>{window().Timer1(), window().Timer2()}));

  // A holder is made before the controls that stand in it.
  for (fw::RectControl* control : RectControls(window())) {
    if (control->InitialParent().empty()) continue;
    auto holder = std::ranges::find(controls, window().ControlByName(control->InitialParent()));
    auto held = std::ranges::find(controls, static_cast<fw::Object*>(control));
    EXPECT_LT(holder, held) << control->Name();
  }
}

TEST_F(GameWindow, AccessorsFindTheirControlAsItsClassAndNothingElse) {
  Window1& w = window();
  std::vector<fw::Object*> found{
      w.PushButton1(), w.PushButton2(), w.Timer1(),       w.PushButton3(), w.Label1(),
      w.Label2(),      w.Label3(),      w.Timer2(),       w.Label4(),      w.TabPanel1(),
      w.Label10(),     w.Label11(),     w.Label12(),      w.Label7(),      w.Label6(),
      w.Label9(),      w.Label8(),      w.ImageWell2(),   w.Label20(),     w.Label21(),
      w.Label22(),     w.Label23(),     w.PushButton4(),  w.PushButton5(), w.PushButton6(),
      w.Label24(),     w.Label15(),     w.Label16(),      w.Label17(),     w.Label18(),
      w.Label19(),     w.GroupBox1(),   w.RadioButton1(), w.RadioButton2()};
  // In creation order, after the nine squares: each accessor found the
  // control of its own name, of the class it returns.
  std::vector<fw::Object*> registered = w.Controls();
  EXPECT_EQ(found, std::vector<fw::Object*>(registered.begin() + 9, registered.end()));
  EXPECT_EQ(w.Label2(), w.Label2());

  EXPECT_EQ(w.ImageWell1(-1), nullptr);
  EXPECT_EQ(w.ImageWell1(9), nullptr);
  EXPECT_EQ(w.ImageWell1(fw::Control::kNoIndex), nullptr);
  EXPECT_EQ(w.ControlByName("Label5"), nullptr);
  EXPECT_EQ(w.ControlByNameIndex("PushButton1", 0), nullptr);
  EXPECT_EQ(fw::CheckCast<fw::Label>(w.ControlByName("PushButton1")), nullptr);
}

TEST_F(GameWindow, ControlsStandAtTheirWindowCoordinatesOnEveryHolder) {
  const QRect content(0, 0, 762, 602);
  ASSERT_EQ(window().Content()->size(), content.size());
  for (std::int32_t page : {0, 1, 0}) {
    window().TabPanel1()->SetValue(page);
    ProcessEvents();
    for (fw::RectControl* control : RectControls(window())) {
      EXPECT_EQ(OnContent(window(), *control), Designed(*control))
          << control->Name() << " with page " << page << " showing";
      EXPECT_TRUE(content.contains(Designed(*control))) << control->Name();
    }
  }

  // One control on each holder, against the designed layout.
  EXPECT_EQ(OnContent(window(), *window().TabPanel1()), QRect(304, 14, 418, 512));
  EXPECT_EQ(OnContent(window(), *window().Label11()), QRect(411, 81, 114, 31));
  EXPECT_EQ(OnContent(window(), *window().PushButton6()), QRect(617, 495, 80, 20));
  EXPECT_EQ(OnContent(window(), *window().GroupBox1()), QRect(420, 538, 284, 44));
  EXPECT_EQ(OnContent(window(), *window().RadioButton2()), QRect(577, 556, 100, 20));
  EXPECT_EQ(OnContent(window(), *window().Label4()), QRect(58, 99, 194, 45));
  EXPECT_TRUE(window().TabPanel1()->Widget()->isAncestorOf(window().Label11()->Widget()));
  EXPECT_TRUE(window().TabPanel1()->Widget()->isAncestorOf(window().PushButton6()->Widget()));
  EXPECT_TRUE(window().GroupBox1()->Widget()->isAncestorOf(window().RadioButton2()->Widget()));
}

TEST_F(GameWindow, BoardSquaresStandInRowsZeroOneTwoFiveFourThreeSevenSixEight) {
  std::vector<std::pair<QRect, std::int32_t>> squares;
  for (std::int32_t i = 0; i < 9; ++i) {
    fw::ImageWell* square = window().ImageWell1(i);
    ASSERT_NE(square, nullptr);
    squares.emplace_back(OnContent(window(), *square), i);
  }
  std::ranges::sort(squares, [](const auto& a, const auto& b) {
    return std::pair(a.first.top(), a.first.left()) < std::pair(b.first.top(), b.first.left());
  });
  std::vector<std::int32_t> onScreen;
  for (std::size_t at = 0; at < squares.size(); ++at) {
    const QRect& place = squares[at].first;
    const auto row = static_cast<int>(at / 3);
    const auto column = static_cast<int>(at % 3);
    EXPECT_EQ(place, QRect(80 + 66 * column, 156 + 66 * row, 64, 64));
    onScreen.push_back(squares[at].second);
  }
  EXPECT_EQ(onScreen, (std::vector<std::int32_t>{0, 1, 2, 5, 4, 3, 7, 6, 8}));
}

TEST_F(GameWindow, TextsArriveByteForByte) {
  // The record counts bytes: ß is two of them.
  const std::string& version = window().Label12()->Text();
  EXPECT_EQ(version, "V1.5.1  \xC3\x9F (for distribution)");
  EXPECT_EQ(version.size(), 29U);
  EXPECT_EQ(QString::fromStdString(version).size(), 28);

  const std::string& practice = window().Label20()->Text();
  EXPECT_EQ(QString::fromStdString(practice).size(), 488);
  std::vector<std::string> lines = fw::Split(practice, "\r");
  ASSERT_EQ(lines.size(), 3U);
  EXPECT_TRUE(lines[0].starts_with("You can practice on the left."));
  EXPECT_TRUE(lines[0].ends_with("Right is green.  "));
  EXPECT_TRUE(lines[1].starts_with(" Note with a mouse"));
  EXPECT_EQ(lines[2], std::string(73, ' '));

  std::vector<std::string> rules = fw::Split(window().Label10()->Text(), "\r");
  ASSERT_EQ(rules.size(), 2U);
  EXPECT_NE(rules[0].find("Tavik"), std::string::npos);

  EXPECT_EQ(window().TabPanel1()->TabDefinition(), "About\rInstructions");
  EXPECT_EQ(window().TabPanel1()->PageCount(), 2);
  // A carriage return breaks the line on screen; Text keeps it.
  auto* shown = static_cast<QLabel*>(window().Label20()->Widget());
  EXPECT_EQ(shown->text().count('\n'), 2);
}

TEST_F(GameWindow, LabelsShowTheirDesignedLook) {
  fw::Label& sorry = *window().Label3();
  QWidget* sorryShown = sorry.Widget();
  EXPECT_EQ(sorryShown->font().pixelSize(), 18);
  EXPECT_TRUE(sorryShown->font().bold());
  EXPECT_EQ(sorryShown->palette().color(QPalette::WindowText), QColor(0xFF, 0x00, 0x80));
  EXPECT_TRUE(static_cast<QLabel*>(sorryShown)->alignment() & Qt::AlignHCenter);

  EXPECT_EQ(window().Label4()->Widget()->font().pixelSize(), 36);
  EXPECT_EQ(window().Label11()->Widget()->font().pixelSize(), 18);
  for (fw::Label* link : {window().Label7(), window().Label8(), window().Label22()}) {
    EXPECT_TRUE(link->Widget()->font().underline());
    EXPECT_EQ(link->Widget()->palette().color(QPalette::WindowText), QColor(0x66, 0x66, 0xFF));
  }
  EXPECT_TRUE(static_cast<QLabel*>(window().Label16()->Widget())->alignment() & Qt::AlignRight);
  EXPECT_FALSE(window().Label1()->Widget()->font().bold());
}

TEST_F(GameWindow, TextSizesSetBesideTheRecordsSurviveThem) {
  const std::map<std::string, std::int32_t> sizes{{"Label3", 18}, {"Label4", 36}, {"Label11", 18}};
  for (fw::RectControl* control : RectControls(window())) {
    auto* text = dynamic_cast<fw::TextControl*>(control);
    if (text == nullptr) continue;
    const std::string& name = control->Name();
    const std::int32_t expected = sizes.contains(name) ? sizes.at(name) : 0;
    EXPECT_EQ(text->TextSize(), expected) << name;
    EXPECT_EQ(text->TextUnit(), 0) << name;
  }
}

TEST_F(GameWindow, TextsFitTheBoxesDesignedForThem) {
  for (fw::RectControl* control : RectControls(window())) {
    auto* label = dynamic_cast<fw::Label*>(control);
    if (label == nullptr || label->Text().empty()) continue;
    label->SetVisible(true);  // as a player sees it, hidden labels included
    QWidget* shown = label->Widget();
    QFontMetrics metrics(shown->font());
    QString text = QString::fromStdString(label->Text()).replace('\r', '\n');
    if (label->MultiLine()) {
      QRect needed =
          metrics.boundingRect(QRect(0, 0, label->Width(), 10000), Qt::TextWordWrap, text);
      EXPECT_LE(needed.height(), label->Height()) << label->Name();
      continue;
    }
    EXPECT_LE(metrics.horizontalAdvance(text), label->Width()) << label->Name();
    // Nothing is cut at the top or the bottom: the label shows as many rows
    // of ink as the text has when drawn with room to spare.
    QRgb background = shown->palette().color(QPalette::Window).rgb();
    QImage free(label->Width(), 3 * metrics.height(), QImage::Format_RGB32);
    free.fill(background);
    QPainter painter(&free);
    painter.setFont(shown->font());
    painter.setPen(shown->palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, metrics.height(), label->Width(), metrics.height()), 0, text);
    painter.end();
    EXPECT_EQ(InkRows(shown->grab().toImage(), background), InkRows(free, background))
        << label->Name();
  }
}

TEST_F(GameWindow, WindowOpensReadyForTheFirstGame) {
  for (fw::RectControl* hidden : std::initializer_list<fw::RectControl*>{
           window().Label3(), window().Label4(), window().PushButton3()}) {
    EXPECT_FALSE(hidden->Visible()) << hidden->Name();
    EXPECT_FALSE(hidden->Widget()->isVisible()) << hidden->Name();
  }
  EXPECT_TRUE(window().PushButton1()->Widget()->isVisible());
  // Hidden, "doit" is there to be pushed by the game.
  EXPECT_TRUE(window().PushButton3()->Action);

  // The About page shows; the Instructions page's controls wait behind it.
  EXPECT_EQ(window().TabPanel1()->Value(), 0);
  EXPECT_TRUE(window().Label11()->Widget()->isVisible());
  EXPECT_TRUE(window().Label10()->Visible());
  EXPECT_FALSE(window().Label10()->Widget()->isVisible());

  EXPECT_TRUE(window().RadioButton1()->Value());
  EXPECT_FALSE(window().RadioButton2()->Value());

  fw::Timer& flash = *window().Timer1();
  fw::Timer& clear = *window().Timer2();
  EXPECT_EQ(flash.Mode(), fw::Timer::kOff);
  EXPECT_EQ(flash.Period(), 1000);
  EXPECT_FALSE(fw::testing::Counting(flash));
  EXPECT_EQ(clear.Mode(), fw::Timer::kOff);
  EXPECT_EQ(clear.Period(), 500);
  EXPECT_FALSE(fw::testing::Counting(clear));

  EXPECT_EQ(window().Label2()->Text(), "0");
  EXPECT_EQ(window().Label18()->Text(), "");
  EXPECT_EQ(window().Label19()->Text(), "");
}

TEST_F(GameWindow, ReturnPushesStartWhileItShows) {
  int starts = 0;
  int ends = 0;
  window().PushButton1()->Action = [&](fw::PushButton&) { ++starts; };
  window().PushButton2()->Action = [&](fw::PushButton&) { ++ends; };
  Activate(window());

  window().PushButton2()->Widget()->setFocus();
  Press(window(), Qt::Key_Return);
  EXPECT_EQ(starts, 1);
  window().RadioButton1()->Widget()->setFocus();
  Press(window(), Qt::Key_Enter);
  EXPECT_EQ(starts, 2);
  EXPECT_EQ(ends, 0);

  // A game is running: START is hidden, and Return does nothing.
  window().PushButton1()->SetVisible(false);
  window().PushButton2()->Widget()->setFocus();
  Press(window(), Qt::Key_Return);
  EXPECT_EQ(starts, 2);
  EXPECT_EQ(ends, 0);
}

TEST_F(GameWindow, TabMovesThroughEachHolderInTabIndexOrder) {
  Activate(window());
  auto walk = [&](int steps) {
    std::vector<QWidget*> visited;
    window().PushButton1()->Widget()->setFocus();
    for (int step = 0; step < steps; ++step) {
      Press(window(), Qt::Key_Tab);
      visited.push_back(QApplication::focusWidget());
    }
    return visited;
  };
  QWidget* tabs = window().TabPanel1()->Widget();
  auto onTabs = [&](QWidget* widget) { return tabs->isAncestorOf(widget); };

  // "doit" is hidden, the About page holds only labels, and of the MODE
  // group only the selected choice takes the focus.
  std::vector<QWidget*> about = walk(4);
  ASSERT_EQ(about.size(), 4U);
  EXPECT_EQ(about[0], window().PushButton2()->Widget());
  EXPECT_TRUE(onTabs(about[1]));
  EXPECT_EQ(about[2], window().RadioButton1()->Widget());
  EXPECT_EQ(about[3], window().PushButton1()->Widget());

  window().TabPanel1()->SetValue(1);
  ProcessEvents();
  std::vector<QWidget*> instructions = walk(6);
  EXPECT_EQ(instructions[0], window().PushButton2()->Widget());
  EXPECT_TRUE(onTabs(instructions[1]));
  EXPECT_EQ(
      std::vector<QWidget*>(instructions.begin() + 2, instructions.end()),
      (std::vector<QWidget*>{window().PushButton4()->Widget(), window().PushButton5()->Widget(),
                             window().PushButton6()->Widget(), window().RadioButton1()->Widget()}));
}
