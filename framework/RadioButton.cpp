#include "RadioButton.h"

#include <QRadioButton>

namespace fw {

namespace {

QRadioButton& Radio(QWidget* widget) { return *static_cast<QRadioButton*>(widget); }

}  // namespace

RadioButton::RadioButton() : TextControl(new QRadioButton) {}

const PropertyTable& RadioButton::Properties() const {
  using B = Bind<RadioButton>;
  static const PropertyTable table{TextControl::Properties(),
                                   {
                                       B::String("Caption", &RadioButton::SetCaption),
                                       B::Boolean("Value", &RadioButton::SetValue),
                                   }};
  return table;
}

std::string RadioButton::Caption() const { return Radio(Widget()).text().toStdString(); }
void RadioButton::SetCaption(std::string caption) {
  Radio(Widget()).setText(QString::fromStdString(caption));
}

bool RadioButton::Value() const { return Radio(Widget()).isChecked(); }
// Selecting one deselects the others of its group. Qt refuses to deselect
// the selected button of a group; here it leaves the group with none.
void RadioButton::SetValue(bool selected) {
  QRadioButton& radio = Radio(Widget());
  if (selected || !radio.autoExclusive()) {
    radio.setChecked(selected);
    return;
  }
  radio.setAutoExclusive(false);
  radio.setChecked(false);
  radio.setAutoExclusive(true);
}

}  // namespace fw
