#include "TabPanel.h"

#include <QStringList>
#include <QTabWidget>

namespace fw {

namespace {

QTabWidget& Tabs(QWidget* widget) { return *static_cast<QTabWidget*>(widget); }

}  // namespace

TabPanel::TabPanel() : TextControl(new QTabWidget) {}

const PropertyTable& TabPanel::Properties() const {
  using B = Bind<TabPanel>;
  static const PropertyTable table{TextControl::Properties(),
                                   {
                                       B::String("TabDefinition", &TabPanel::SetTabDefinition),
                                       Accepted("SmallTabs", PropertyType::Boolean),
                                       B::Int32("Value", &TabPanel::SetValue),
                                   }};
  return table;
}

// One page per caption; pages that already hold controls keep them.
void TabPanel::SetTabDefinition(std::string definition) {
  tabDefinition_ = std::move(definition);
  QStringList captions = QString::fromStdString(tabDefinition_).split('\r');
  QTabWidget& tabs = Tabs(Widget());
  while (tabs.count() > captions.size()) {
    QWidget* page = tabs.widget(tabs.count() - 1);
    tabs.removeTab(tabs.count() - 1);
    delete page;
  }
  for (qsizetype at = 0; at < captions.size(); ++at) {
    if (at < tabs.count()) {
      tabs.setTabText(static_cast<int>(at), captions[at]);
    } else {
      tabs.addTab(new QWidget, captions[at]);
    }
  }
}

std::int32_t TabPanel::Value() const { return Tabs(Widget()).currentIndex(); }
void TabPanel::SetValue(std::int32_t page) { Tabs(Widget()).setCurrentIndex(page); }

std::int32_t TabPanel::PageCount() const { return Tabs(Widget()).count(); }

QWidget* TabPanel::HolderWidget(std::int32_t page) const {
  return page >= 1 ? Tabs(Widget()).widget(page - 1) : nullptr;
}

}  // namespace fw
