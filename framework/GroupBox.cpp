#include "GroupBox.h"

#include <QGroupBox>

namespace fw {

namespace {

QGroupBox& Box(QWidget* widget) { return *static_cast<QGroupBox*>(widget); }

}  // namespace

GroupBox::GroupBox() : TextControl(new QGroupBox) {}

const PropertyTable& GroupBox::Properties() const {
  using B = Bind<GroupBox>;
  static const PropertyTable table{TextControl::Properties(),
                                   {B::String("Caption", &GroupBox::SetCaption)}};
  return table;
}

std::string GroupBox::Caption() const { return Box(Widget()).title().toStdString(); }
void GroupBox::SetCaption(std::string caption) {
  Box(Widget()).setTitle(QString::fromStdString(caption));
}

QWidget* GroupBox::HolderWidget(std::int32_t /*page*/) const { return Widget(); }

}  // namespace fw
