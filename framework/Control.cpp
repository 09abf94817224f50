#include "Control.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <utility>

#include "Window.h"

namespace fw {

namespace {

constexpr const char* kControlProperty = "fw.control";
constexpr const char* kFollowedProperty = "fw.followed";

RectControl* ControlOf(QObject* widget) {
  return static_cast<RectControl*>(widget->property(kControlProperty).value<void*>());
}

}  // namespace

// A holder's place in the window is known only once Qt has laid it out: a
// tab page moves with the panel's page area when the panel is first laid
// out or resized, and a hidden page only when it is shown. The controls a
// holder holds keep their places in window coordinates: whenever the holder
// or a widget between it and the content area moves or is resized, they are
// placed again.
class HolderFollower : public QObject {
 public:
  using QObject::QObject;

  static void Follow(QWidget* holder, const QWidget* content) {
    for (QWidget* widget = holder; widget != nullptr && widget != content;
         widget = widget->parentWidget()) {
      if (widget->property(kFollowedProperty).toBool()) continue;
      widget->setProperty(kFollowedProperty, true);
      widget->installEventFilter(new HolderFollower(widget));
    }
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
      // Holders before the controls they hold.
      for (QWidget* child : watched->findChildren<QWidget*>()) {
        if (RectControl* control = ControlOf(child)) control->ApplyGeometry();
      }
    }
    return false;
  }
};

const PropertyTable& Control::Properties() const {
  using B = Bind<Control>;
  static const PropertyTable table{
      B::String("Name", &Control::SetName),
      B::Int32("Index", &Control::SetIndex),
  };
  return table;
}

struct RectControl::Impl {
  QPointer<QWidget> widget;
  Qt::FocusPolicy focusPolicy = Qt::NoFocus;
  Window* window = nullptr;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::string initialParent;
  std::int32_t tabPanelIndex = 0;
  std::int32_t tabIndex = 0;
  bool tabStop = true;
  bool visible = true;
  bool enabled = true;
};

RectControl::RectControl(QWidget* widget) : impl_(std::make_unique<Impl>()) {
  impl_->widget = widget;
  impl_->focusPolicy = widget->focusPolicy();
  widget->setProperty(kControlProperty, QVariant::fromValue<void*>(this));
}

RectControl::~RectControl() {
  // A holder deletes its children's widgets with its own; a child's widget
  // may be gone already.
  delete impl_->widget.data();
}

const PropertyTable& RectControl::Properties() const {
  using B = Bind<RectControl>;
  static const PropertyTable table{Control::Properties(),
                                   {
                                       B::Int32("Left", &RectControl::SetLeft),
                                       B::Int32("Top", &RectControl::SetTop),
                                       B::Int32("Width", &RectControl::SetWidth),
                                       B::Int32("Height", &RectControl::SetHeight),
                                       Accepted("LockLeft", PropertyType::Boolean),
                                       Accepted("LockTop", PropertyType::Boolean),
                                       Accepted("LockRight", PropertyType::Boolean),
                                       Accepted("LockBottom", PropertyType::Boolean),
                                       B::Int32("TabPanelIndex", &RectControl::SetTabPanelIndex),
                                       B::Int32("TabIndex", &RectControl::SetTabIndex),
                                       B::Boolean("TabStop", &RectControl::SetTabStop),
                                       B::String("InitialParent", &RectControl::SetInitialParent),
                                       B::Boolean("Visible", &RectControl::SetVisible),
                                       B::String("HelpTag", &RectControl::SetHelpTag),
                                       Accepted("AutoDeactivate", PropertyType::Boolean),
                                       B::Boolean("Enabled", &RectControl::SetEnabled),
                                   }};
  return table;
}

std::int32_t RectControl::Left() const { return impl_->left; }
void RectControl::SetLeft(std::int32_t left) {
  impl_->left = left;
  ApplyGeometry();
}
std::int32_t RectControl::Top() const { return impl_->top; }
void RectControl::SetTop(std::int32_t top) {
  impl_->top = top;
  ApplyGeometry();
}
std::int32_t RectControl::Width() const { return impl_->width; }
void RectControl::SetWidth(std::int32_t width) {
  impl_->width = width;
  ApplyGeometry();
}
std::int32_t RectControl::Height() const { return impl_->height; }
void RectControl::SetHeight(std::int32_t height) {
  impl_->height = height;
  ApplyGeometry();
}

bool RectControl::Enabled() const { return impl_->enabled; }
void RectControl::SetEnabled(bool enabled) {
  impl_->enabled = enabled;
  if (impl_->widget) impl_->widget->setEnabled(enabled);
}

bool RectControl::Visible() const { return impl_->visible; }
void RectControl::SetVisible(bool visible) {
  impl_->visible = visible;
  // A widget without a parent would show as a window of its own.
  if (impl_->widget && impl_->widget->parentWidget() != nullptr) impl_->widget->setVisible(visible);
}

const std::string& RectControl::InitialParent() const { return impl_->initialParent; }
void RectControl::SetInitialParent(std::string name) {
  impl_->initialParent = std::move(name);
  Reparent();
}
std::int32_t RectControl::TabPanelIndex() const { return impl_->tabPanelIndex; }
void RectControl::SetTabPanelIndex(std::int32_t page) {
  impl_->tabPanelIndex = page;
  Reparent();
}

std::int32_t RectControl::TabIndex() const { return impl_->tabIndex; }
void RectControl::SetTabIndex(std::int32_t index) { impl_->tabIndex = index; }

bool RectControl::TabStop() const { return impl_->tabStop; }
void RectControl::SetTabStop(bool stop) {
  impl_->tabStop = stop;
  if (!impl_->widget) return;
  auto policy = static_cast<int>(impl_->focusPolicy);
  if (!stop) policy &= ~static_cast<int>(Qt::TabFocus);
  impl_->widget->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy));
}

void RectControl::SetHelpTag(std::string tag) {
  if (impl_->widget) impl_->widget->setToolTip(QString::fromStdString(tag));
}

Window* RectControl::ParentWindow() const { return impl_->window; }
QWidget* RectControl::Widget() const { return impl_->widget.data(); }
QWidget* RectControl::HolderWidget(std::int32_t /*page*/) const { return nullptr; }

void RectControl::AttachTo(Window& window) {
  impl_->window = &window;
  Reparent();
}

// Places the widget in its holder: the control named by InitialParent (on
// the page TabPanelIndex of a tab panel), or the window's content area.
void RectControl::Reparent() {
  QWidget* widget = impl_->widget.data();
  if (impl_->window == nullptr || widget == nullptr) return;
  QWidget* holder = impl_->window->Content();
  if (!impl_->initialParent.empty()) {
    auto* named = dynamic_cast<RectControl*>(impl_->window->ControlByName(impl_->initialParent));
    if (named != nullptr && named != this) {
      if (QWidget* held = named->HolderWidget(impl_->tabPanelIndex)) holder = held;
    }
  }
  if (widget->parentWidget() != holder) {
    widget->setParent(holder);
    if (holder != impl_->window->Content())
      HolderFollower::Follow(holder, impl_->window->Content());
  }
  widget->setVisible(impl_->visible);
  ApplyGeometry();
  Placed();
}

void RectControl::ApplyGeometry() {
  QWidget* widget = impl_->widget.data();
  if (widget == nullptr) return;
  QPoint origin;
  if (impl_->window != nullptr && widget->parentWidget() != nullptr) {
    origin = widget->parentWidget()->mapTo(impl_->window->Content(), QPoint(0, 0));
  }
  // Any Int32 is a place or size a record may hold; on screen it is bounded
  // to what a widget can have, so that Qt's int edges (left + width) never
  // overflow.
  auto place = [](std::int64_t at) {
    return static_cast<int>(std::clamp<std::int64_t>(at, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
  };
  auto size = [](std::int32_t extent) { return std::clamp<int>(extent, 0, QWIDGETSIZE_MAX); };
  widget->setGeometry(place(std::int64_t{impl_->left} - origin.x()),
                      place(std::int64_t{impl_->top} - origin.y()), size(impl_->width),
                      size(impl_->height));
}

const PropertyTable& TextControl::Properties() const {
  using B = Bind<TextControl>;
  static const PropertyTable table{RectControl::Properties(),
                                   {
                                       B::String("TextFont", &TextControl::SetTextFont),
                                       B::Boolean("Bold", &TextControl::SetBold),
                                       B::Boolean("Italic", &TextControl::SetItalic),
                                       B::Boolean("Underline", &TextControl::SetUnderline),
                                   }};
  return table;
}

TextControl::TextControl(QWidget* widget) : RectControl(widget) { ApplyFont(); }

void TextControl::SetTextSize(std::int32_t size) {
  textSize_ = size;
  ApplyFont();
}
void TextControl::SetTextUnit(std::int32_t unit) { textUnit_ = unit; }
void TextControl::SetTextFont(std::string family) {
  family_ = std::move(family);
  ApplyFont();
}
void TextControl::SetBold(bool bold) {
  bold_ = bold;
  ApplyFont();
}
void TextControl::SetItalic(bool italic) {
  italic_ = italic;
  ApplyFont();
}
void TextControl::SetUnderline(bool underline) {
  underline_ = underline;
  ApplyFont();
}

// Sizes are pixels, as designed: the texts fit the boxes drawn for them.
// Size 0 is the platform's usual size on a 96 dpi screen, held in pixels
// too: the desktop's own size grows with its dpi and its font settings, and
// at 13 pixels "SCORE:" would already fill its 49-pixel box.
void TextControl::ApplyFont() {
  constexpr int kDefaultPixelSize = 12;
  QWidget* widget = Widget();
  if (widget == nullptr) return;
  QFont font = QApplication::font();
  if (family_ != "System" && !family_.empty()) font.setFamily(QString::fromStdString(family_));
  font.setPixelSize(textSize_ > 0 ? textSize_ : kDefaultPixelSize);
  font.setBold(bold_);
  font.setItalic(italic_);
  font.setUnderline(underline_);
  // Records repeat the defaults: an unchanged font costs no new layout.
  if (widget->font() != font) widget->setFont(font);
}

}  // namespace fw
