#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "Control.h"

namespace fw {

// Static text. A carriage return in the text is a line break on screen;
// Text reads back exactly what was set. A MultiLine label also wraps long
// lines. TextAlign: 0 left, 1 centred, 2 right.
class Label : public TextControl {
 public:
  Label();

  [[nodiscard]] const PropertyTable& Properties() const override;

  [[nodiscard]] const std::string& Text() const { return text_; }
  void SetText(std::string text);
  [[nodiscard]] std::int32_t TextAlign() const { return textAlign_; }
  void SetTextAlign(std::int32_t align);
  [[nodiscard]] Color TextColor() const { return textColor_; }
  void SetTextColor(Color color);
  [[nodiscard]] bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool multiLine);

  std::function<bool(Label&, std::int32_t x, std::int32_t y)> MouseDown;

 private:
  std::string text_;
  std::int32_t textAlign_ = 0;
  Color textColor_{};
  bool multiLine_ = false;
};

}  // namespace fw
