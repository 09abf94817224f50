// What the controls show and how they answer, on real widgets and Qt events.

#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>

#include "tests/support/TestSupport.h"

template <class T>
T& Add(fw::Window& window, std::string name) {
  return static_cast<T&>(window.AddControl(std::move(name), std::make_unique<T>()));
}

TEST(Widgets, RadioButtonsOfOneHolderExcludeEachOther) {
  fw::Window window;
  Add<fw::GroupBox>(window, "Box");
  auto& normal = Add<fw::RadioButton>(window, "Normal");
  auto& silent = Add<fw::RadioButton>(window, "Silent");
  auto& elsewhere = Add<fw::RadioButton>(window, "Elsewhere");
  for (auto* boxed : {&normal, &silent}) boxed->SetInitialParent("Box");
  auto values = [&] { return std::vector{normal.Value(), silent.Value(), elsewhere.Value()}; };
  normal.SetValue(true);
  elsewhere.SetValue(true);
  silent.SetValue(true);
  EXPECT_EQ(values(), (std::vector{false, true, true}));
  silent.SetValue(false);  // leaves the group with none, which Qt alone refuses
  EXPECT_EQ(values(), (std::vector{false, false, true}));
  static_cast<QRadioButton*>(normal.Widget())->click();  // the player's click
  EXPECT_EQ(values(), (std::vector{true, false, true}));
  silent.SetValue(true);
  EXPECT_EQ(values(), (std::vector{false, true, true}));
}

TEST(Widgets, ADisabledImageWellKeepsItsPicturesLook) {
  fw::ImageWell well;
  well.SetWidth(64);
  well.SetHeight(64);
  QImage red(64, 64, QImage::Format_RGB32);
  red.fill(QColor(255, 0, 0));
  well.SetImage(std::make_shared<fw::Picture>(red));
  const QImage enabled = well.Widget()->grab().toImage();
  well.SetEnabled(false);
  EXPECT_EQ(well.Widget()->grab().toImage(), enabled);
  EXPECT_EQ(enabled.pixelColor(32, 32), QColor(255, 0, 0));
}

TEST(Widgets, TextSizesArePixelsAndFontsApply) {
  fw::Label plain, large;
  large.SetTextSize(36);
  large.SetBold(true);
  large.SetTextFont("DejaVu Serif");
  EXPECT_EQ(plain.Widget()->font().pixelSize(), 12);  // size 0, whatever the screen's dpi
  EXPECT_EQ(plain.Widget()->font().family(), QApplication::font().family());
  EXPECT_EQ(large.Widget()->font().pixelSize(), 36);
  EXPECT_TRUE(large.Widget()->font().bold());
  EXPECT_EQ(large.Widget()->font().family(), "DejaVu Serif");
}

TEST(Widgets, TabWalksTheControlsInTabIndexOrder) {
  auto made = std::make_unique<fw::Window>();
  made->SetVisible(true);
  QWidget* buttons[3];
  for (int tab : {0, 2, 1}) {  // made in an order other than their TabIndex
    auto& button = Add<fw::PushButton>(*made, "Button" + std::to_string(tab));
    button.SetTabIndex(tab);
    buttons[tab] = button.Widget();
  }
  QApplication::setActiveWindow(fw::Window::Create(std::move(made), "Tab").Widget());
  buttons[0]->setFocus();
  for (QWidget* next : {buttons[1], buttons[2]}) {
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(QApplication::focusWidget(), &tab);
    EXPECT_EQ(QApplication::focusWidget(), next);
  }
}
