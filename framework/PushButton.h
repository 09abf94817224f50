#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "Control.h"

namespace fw {

// A push button. The window's default button (Default true) is pushed by
// Return while it is visible and enabled.
class PushButton : public TextControl {
 public:
  PushButton();

  [[nodiscard]] const PropertyTable& Properties() const override;

  [[nodiscard]] std::string Caption() const;
  void SetCaption(std::string caption);
  [[nodiscard]] bool Default() const;
  void SetDefault(bool isDefault);
  void SetCancel(bool isCancel) { cancel_ = isCancel; }
  void SetButtonStyle(std::int32_t style) { buttonStyle_ = style; }

  // Runs the Action handler at once, before returning, also on a hidden or
  // disabled button. Exceptions pass to the caller.
  void Push();

  std::function<void(PushButton&)> Action;
  std::function<void(PushButton&)> MouseExit;

 private:
  bool cancel_ = false;
  std::int32_t buttonStyle_ = 0;
};

}  // namespace fw
