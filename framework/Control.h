#pragma once

// The controls' common ground: Control (a name and an index in a control
// array), RectControl (a widget placed on a window), and TextControl (a
// RectControl that shows text in a font).

#include <cstdint>
#include <limits>
#include <memory>
#include <string>

#include "Object.h"

class QWidget;

namespace fw {

class Window;

class Control : public Object {
 public:
  // The index of a control that is not an element of a control array.
  static constexpr std::int32_t kNoIndex = std::numeric_limits<std::int32_t>::min();

  [[nodiscard]] const PropertyTable& Properties() const override;

  [[nodiscard]] const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  [[nodiscard]] std::int32_t Index() const { return index_; }
  void SetIndex(std::int32_t index) { index_ = index; }

 private:
  std::string name_;
  std::int32_t index_ = kNoIndex;
};

// A control with a widget on a window. Left, Top, Width and Height are in
// the coordinates of the window's content area, also for a control held by
// a tab page or a group box.
class RectControl : public Control {
 public:
  ~RectControl() override;

  [[nodiscard]] const PropertyTable& Properties() const override;

  [[nodiscard]] std::int32_t Left() const;
  void SetLeft(std::int32_t left);
  [[nodiscard]] std::int32_t Top() const;
  void SetTop(std::int32_t top);
  [[nodiscard]] std::int32_t Width() const;
  void SetWidth(std::int32_t width);
  [[nodiscard]] std::int32_t Height() const;
  void SetHeight(std::int32_t height);

  [[nodiscard]] bool Enabled() const;
  void SetEnabled(bool enabled);
  // The control's own visibility; it is seen only while its holder is.
  [[nodiscard]] bool Visible() const;
  void SetVisible(bool visible);

  // The holder: a control of the window, by name (empty for the window
  // itself), and for a tab panel the page, counted from 1 (0: none).
  [[nodiscard]] const std::string& InitialParent() const;
  void SetInitialParent(std::string name);
  [[nodiscard]] std::int32_t TabPanelIndex() const;
  void SetTabPanelIndex(std::int32_t page);
  // The place in the keyboard focus order among the holder's controls.
  [[nodiscard]] std::int32_t TabIndex() const;
  void SetTabIndex(std::int32_t index);
  [[nodiscard]] bool TabStop() const;
  void SetTabStop(bool stop);
  void SetHelpTag(std::string tag);

  [[nodiscard]] Window* ParentWindow() const;
  [[nodiscard]] QWidget* Widget() const;

  // The widget that holds this control's children on a page (a tab panel
  // counts its pages from 1); nothing for a control that holds none.
  [[nodiscard]] virtual QWidget* HolderWidget(std::int32_t page) const;

 protected:
  // Takes over the widget, which is shown only once the control is on a
  // window.
  explicit RectControl(QWidget* widget);

  // Called when the widget has found its place on the window.
  virtual void Placed() {}

 private:
  friend class Window;
  friend class HolderFollower;
  void AttachTo(Window& window);
  void Reparent();
  void ApplyGeometry();

  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// A RectControl that shows text: its font is the family TextFont ("System"
// is the platform's user-interface font) at TextSize pixels (0: 12 pixels,
// the platform's usual size at 96 dpi), bold, italic, underlined as set.
class TextControl : public RectControl {
 public:
  [[nodiscard]] const PropertyTable& Properties() const override;

  [[nodiscard]] std::int32_t TextSize() const { return textSize_; }
  void SetTextSize(std::int32_t size);
  [[nodiscard]] std::int32_t TextUnit() const { return textUnit_; }
  void SetTextUnit(std::int32_t unit);
  void SetTextFont(std::string family);
  [[nodiscard]] bool Bold() const { return bold_; }
  void SetBold(bool bold);
  [[nodiscard]] bool Italic() const { return italic_; }
  void SetItalic(bool italic);
  [[nodiscard]] bool Underline() const { return underline_; }
  void SetUnderline(bool underline);

 protected:
  explicit TextControl(QWidget* widget);

 private:
  void ApplyFont();

  std::string family_ = "System";
  std::int32_t textSize_ = 0;
  std::int32_t textUnit_ = 0;
  bool bold_ = false;
  bool italic_ = false;
  bool underline_ = false;
};

}  // namespace fw
