#pragma once

#include <string>

#include "Control.h"

namespace fw {

// A captioned frame. Controls that name it as their InitialParent stand in
// it; its radio buttons form one group, of which one is selected.
class GroupBox : public TextControl {
 public:
  GroupBox();

  [[nodiscard]] const PropertyTable& Properties() const override;

  [[nodiscard]] std::string Caption() const;
  void SetCaption(std::string caption);

  [[nodiscard]] QWidget* HolderWidget(std::int32_t page) const override;
};

}  // namespace fw
