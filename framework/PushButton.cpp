#include "PushButton.h"

#include <QPushButton>

#include "internal/Dispatch.h"
#include "internal/Pointer.h"

namespace fw {

namespace {

class PushButtonWidget : public QPushButton {
 public:
  explicit PushButtonWidget(PushButton& owner) : owner_(owner) {
    connect(this, &QPushButton::clicked, this, [this] {
      internal::Dispatch([this] {
        if (owner_.Action) owner_.Action(owner_);
      });
    });
  }

 protected:
  void leaveEvent(QEvent* event) override {
    QPushButton::leaveEvent(event);
    if (internal::PointerOver(*this)) return;
    internal::Dispatch([this] {
      if (owner_.MouseExit) owner_.MouseExit(owner_);
    });
  }

 private:
  PushButton& owner_;
};

QPushButton& Button(QWidget* widget) { return *static_cast<QPushButton*>(widget); }

}  // namespace

PushButton::PushButton() : TextControl(new PushButtonWidget(*this)) {}

const PropertyTable& PushButton::Properties() const {
  using B = Bind<PushButton>;
  static const PropertyTable table{TextControl::Properties(),
                                   {
                                       B::String("Caption", &PushButton::SetCaption),
                                       B::Boolean("Default", &PushButton::SetDefault),
                                       B::Boolean("Cancel", &PushButton::SetCancel),
                                       B::Int32("ButtonStyle", &PushButton::SetButtonStyle),
                                   }};
  return table;
}

std::string PushButton::Caption() const { return Button(Widget()).text().toStdString(); }
void PushButton::SetCaption(std::string caption) {
  Button(Widget()).setText(QString::fromStdString(caption));
}

bool PushButton::Default() const { return Button(Widget()).isDefault(); }
void PushButton::SetDefault(bool isDefault) { Button(Widget()).setDefault(isDefault); }

void PushButton::Push() {
  if (Action) Action(*this);
}

}  // namespace fw
