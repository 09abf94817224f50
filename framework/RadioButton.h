#pragma once

#include <string>

#include "Control.h"

namespace fw {

// One choice of a group: the radio buttons of one holder exclude each
// other. Value is true for the selected one.
class RadioButton : public TextControl {
 public:
  RadioButton();

  [[nodiscard]] const PropertyTable& Properties() const override;

  [[nodiscard]] std::string Caption() const;
  void SetCaption(std::string caption);
  [[nodiscard]] bool Value() const;
  void SetValue(bool selected);
};

}  // namespace fw
