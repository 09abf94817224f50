#pragma once

#include <cstdint>
#include <string>

#include "Control.h"

namespace fw {

// Pages behind tabs. TabDefinition holds the tabs' captions separated by
// carriage returns; Value is the page shown, counted from 0. Controls name
// the panel as their InitialParent and their page with TabPanelIndex,
// counted from 1.
class TabPanel : public TextControl {
 public:
  TabPanel();

  [[nodiscard]] const PropertyTable& Properties() const override;

  [[nodiscard]] const std::string& TabDefinition() const { return tabDefinition_; }
  void SetTabDefinition(std::string definition);
  [[nodiscard]] std::int32_t Value() const;
  void SetValue(std::int32_t page);
  [[nodiscard]] std::int32_t PageCount() const;

  [[nodiscard]] QWidget* HolderWidget(std::int32_t page) const override;

 private:
  std::string tabDefinition_;
};

}  // namespace fw
