// What the controls show and how they answer, on real widgets.

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QRadioButton>
#include <QWidget>

#include <memory>

#include "framework/Framework.h"

namespace {

template <class T>
T& Add(fw::Window& window, std::string name, std::string_view record) {
  auto& control = static_cast<T&>(window.AddControl(std::move(name), std::make_unique<T>()));
  fw::SetProperties(control, record);
  return control;
}

std::string InBox(std::int32_t left) {
  return fw::RecordWriter()
      .Int32("Left", left)
      .Int32("Top", 10)
      .Int32("Width", 80)
      .Int32("Height", 20)
      .String("InitialParent", "Box")
      .Bytes();
}

}  // namespace

TEST(Widgets, RadioButtonsOfOneHolderExcludeEachOther) {
  fw::Window window;
  Add<fw::GroupBox>(window, "Box",
                    fw::RecordWriter().Int32("Width", 200).Int32("Height", 40).Bytes());
  auto& normal = Add<fw::RadioButton>(window, "Normal", InBox(0));
  auto& silent = Add<fw::RadioButton>(window, "Silent", InBox(100));
  auto& elsewhere = Add<fw::RadioButton>(window, "Elsewhere", "");

  normal.SetValue(true);
  elsewhere.SetValue(true);
  EXPECT_TRUE(normal.Value());
  silent.SetValue(true);
  EXPECT_FALSE(normal.Value());
  EXPECT_TRUE(elsewhere.Value());

  // The player's click selects too.
  static_cast<QRadioButton*>(normal.Widget())->click();
  EXPECT_TRUE(normal.Value());
  EXPECT_FALSE(silent.Value());

  // Deselecting the selected one leaves the group with none.
  normal.SetValue(false);
  EXPECT_FALSE(normal.Value());
  EXPECT_FALSE(silent.Value());
  silent.SetValue(true);
  EXPECT_TRUE(silent.Value());
  EXPECT_FALSE(normal.Value());
}

TEST(Widgets, DisabledImageWellKeepsItsPicturesLook) {
  fw::Window window;
  auto& well = Add<fw::ImageWell>(
      window, "Well", fw::RecordWriter().Int32("Width", 64).Int32("Height", 64).Bytes());
  QImage red(64, 64, QImage::Format_RGB32);
  red.fill(QColor(255, 0, 0));
  well.SetImage(std::make_shared<fw::Picture>(red));

  QImage enabled = well.Widget()->grab().toImage();
  well.SetEnabled(false);
  QImage disabled = well.Widget()->grab().toImage();
  EXPECT_FALSE(well.Widget()->isEnabled());
  EXPECT_EQ(disabled.pixelColor(32, 32), QColor(255, 0, 0));
  EXPECT_EQ(disabled, enabled);
}

TEST(Widgets, TextSizesArePixels) {
  fw::Label plain;
  fw::Label large;
  large.SetTextSize(36);
  large.SetBold(true);
  fw::PushButton named;
  named.SetTextFont("DejaVu Serif");

  // Size 0 is a fixed pixel size too, whatever the screen's dpi.
  EXPECT_EQ(plain.Widget()->font().pixelSize(), 12);
  EXPECT_EQ(plain.Widget()->font().family(), QApplication::font().family());
  EXPECT_EQ(large.Widget()->font().pixelSize(), 36);
  EXPECT_TRUE(large.Widget()->font().bold());
  EXPECT_EQ(named.Widget()->font().family(), "DejaVu Serif");
  EXPECT_EQ(named.Widget()->font().pixelSize(), 12);
}
