#include "Window.h"

#include <QCloseEvent>
#include <QColor>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>

#include <algorithm>
#include <map>
#include <utility>

#include "Control.h"
#include "Menu.h"
#include "Runtime.h"
#include "internal/MenuWidgets.h"

namespace fw {

namespace {

// The top-level widget. It has no close box and cannot be closed: the run
// ends through Quit. Return pushes the window's default button.
class WindowWidget : public QMainWindow {
 protected:
  void closeEvent(QCloseEvent* event) override { event->ignore(); }

  // Hiding or disabling the control that holds the keyboard focus makes Qt
  // hand the focus on to the next control, where a stray key would push a
  // button the player never chose: the focus goes to the content area
  // instead, which pushes nothing. Tab moves on as usual.
  bool focusNextPrevChild(bool next) override {
    QWidget* focus = focusWidget();
    if (focus != nullptr && focus != centralWidget() &&
        (!focus->isVisibleTo(this) || !focus->isEnabled())) {
      centralWidget()->setFocus(Qt::OtherFocusReason);
      return true;
    }
    return QMainWindow::focusNextPrevChild(next);
  }

  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->isDefault() && button->isVisible() && button->isEnabled()) {
          button->click();
          return;
        }
      }
    }
    QMainWindow::keyPressEvent(event);
  }
};

// The look the windows were designed for: light pages and control faces
// under dark text, whatever colour scheme the desktop follows. These are
// Qt's own light colours, so on a light desktop nothing changes; they are
// written out because newer Qt's Fusion palette follows the desktop too.
QPalette DesignedPalette() {
  const QColor face(0xEF, 0xEF, 0xEF);
  const QColor greyText(0xBE, 0xBE, 0xBE);
  QPalette palette(Qt::black, face, Qt::white, QColor(0x9F, 0x9F, 0x9F), QColor(0xB8, 0xB8, 0xB8),
                   Qt::black, Qt::white, Qt::white, face);
  palette.setColor(QPalette::Midlight, QColor(0xCA, 0xCA, 0xCA));
  palette.setColor(QPalette::Shadow, QColor(0x76, 0x76, 0x76));
  palette.setColor(QPalette::Highlight, QColor(0x30, 0x8C, 0xC6));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::Link, Qt::blue);
  palette.setColor(QPalette::LinkVisited, Qt::magenta);
  palette.setColor(QPalette::AlternateBase, QColor(0xF7, 0xF7, 0xF7));
  palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xDC));
  palette.setColor(QPalette::ToolTipText, Qt::black);
  palette.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 0x80));
  for (QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Dark}) {
    palette.setColor(QPalette::Disabled, role, greyText);
  }
  palette.setColor(QPalette::Disabled, QPalette::Base, face);
  palette.setColor(QPalette::Disabled, QPalette::Shadow, QColor(0xB1, 0xB1, 0xB1));
  palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x91, 0x91, 0x91));
  return palette;
}

std::vector<std::unique_ptr<Window>>& OpenWindows() {
  static std::vector<std::unique_ptr<Window>> windows;
  return windows;
}

std::map<std::string, Window*, std::less<>>& ImplicitWindows() {
  static std::map<std::string, Window*, std::less<>> windows;
  return windows;
}

}  // namespace

struct Window::Impl {
  struct Registered {
    std::string name;
    std::unique_ptr<Object> control;
  };

  WindowWidget widget;
  QWidget* content = new QWidget(&widget);
  std::vector<Registered> controls;
  std::shared_ptr<fw::MenuBar> menuBar;
  EventHandlers handlers;
  std::string title;
  Color backColor{255, 255, 255};
  bool hasBackColor = false;
  bool visible = false;
  bool closeButton = true;
  bool minimizeButton = true;
  bool maximizeButton = true;
  bool resizeable = true;
  bool built = false;

  Impl() {
    widget.setCentralWidget(content);
    content->setAutoFillBackground(true);
    ApplyBackground();
  }

  void ApplyFrame() {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeButton) flags |= Qt::WindowCloseButtonHint;
    if (minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton) flags |= Qt::WindowMaximizeButtonHint;
    widget.setWindowFlags(flags);
    // A window that cannot be resized keeps the size of its menu bar and
    // content.
    widget.layout()->setSizeConstraint(resizeable ? QLayout::SetDefaultConstraint
                                                  : QLayout::SetFixedSize);
  }

  // The content area and every control on it take the designed palette;
  // the menu bar and message boxes follow the desktop.
  void ApplyBackground() {
    static const QPalette designed = DesignedPalette();
    QPalette palette = designed;
    if (hasBackColor) {
      palette.setColor(QPalette::Window, QColor(backColor.red, backColor.green, backColor.blue));
    }
    content->setPalette(palette);
  }

  // Within each holder (the window, a tab page, a group box), Tab moves
  // through the controls in the order of their TabIndex.
  void ApplyTabOrder() {
    std::map<QWidget*, std::vector<RectControl*>> byHolder;
    for (const Registered& entry : controls) {
      auto* control = dynamic_cast<RectControl*>(entry.control.get());
      if (control != nullptr && (control->Widget()->focusPolicy() & Qt::TabFocus) != 0) {
        byHolder[control->Widget()->parentWidget()].push_back(control);
      }
    }
    for (auto& [holder, held] : byHolder) {
      std::ranges::stable_sort(held, {}, &RectControl::TabIndex);
      for (std::size_t at = 1; at < held.size(); ++at) {
        QWidget::setTabOrder(held[at - 1]->Widget(), held[at]->Widget());
      }
    }
  }

  void Show() {
    if (!built) return;  // shown once it is built
    ApplyFrame();
    widget.setVisible(visible);
  }
};

Window::Window() : impl_(std::make_unique<Impl>()) {}

Window::~Window() {
  // Children before their holders: in the reverse order of registration.
  while (!impl_->controls.empty()) impl_->controls.pop_back();
}

Window& Window::Create(std::unique_ptr<Window> window, std::string typeName) {
  Window& built = *OpenWindows().emplace_back(std::move(window));
  ImplicitWindows()[std::move(typeName)] = &built;

  const EventHandlers& on = built.impl_->handlers;
  if (on.Layout) on.Layout();
  if (on.CreateControls) on.CreateControls();
  built.impl_->ApplyTabOrder();
  if (on.Open) on.Open();
  built.impl_->built = true;
  built.impl_->Show();
  return built;
}

void Window::SetEventHandlers(EventHandlers handlers) { impl_->handlers = std::move(handlers); }

const PropertyTable& Window::Properties() const {
  using B = Bind<Window>;
  static const PropertyTable table{
      Accepted("Placement", PropertyType::Int32),
      B::Int32("Width", &Window::SetWidth),
      B::Int32("Height", &Window::SetHeight),
      Accepted("MinWidth", PropertyType::Int32),
      Accepted("MinHeight", PropertyType::Int32),
      Accepted("MaxWidth", PropertyType::Int32),
      Accepted("MaxHeight", PropertyType::Int32),
      Accepted("Frame", PropertyType::Int32),
      Accepted("Composite", PropertyType::Boolean),
      B::Boolean("HasBackColor", &Window::SetHasBackColor),
      B::Color("BackColor", &Window::SetBackColor),
      B::String("Title", &Window::SetTitle),
      B::Boolean("Visible", &Window::SetVisible),
      Accepted("FullScreen", PropertyType::Boolean),
      Accepted("MenuBarVisible", PropertyType::Boolean),
      B::Boolean("CloseButton", &Window::SetCloseButton),
      B::Boolean("Resizeable", &Window::SetResizeable),
      Accepted("LiveResize", PropertyType::Boolean),
      B::Boolean("MaximizeButton", &Window::SetMaximizeButton),
      B::Boolean("MinimizeButton", &Window::SetMinimizeButton),
      Accepted("MacProcId", PropertyType::Int32),
  };
  return table;
}

std::string Window::Title() const { return impl_->title; }
void Window::SetTitle(std::string title) {
  impl_->title = std::move(title);
  impl_->widget.setWindowTitle(QString::fromStdString(impl_->title));
}

std::int32_t Window::Width() const { return impl_->content->width(); }
void Window::SetWidth(std::int32_t width) { impl_->content->setFixedWidth(width); }
std::int32_t Window::Height() const { return impl_->content->height(); }
void Window::SetHeight(std::int32_t height) { impl_->content->setFixedHeight(height); }

bool Window::Visible() const { return impl_->visible; }
void Window::SetVisible(bool visible) {
  impl_->visible = visible;
  impl_->Show();
}

Color Window::BackColor() const { return impl_->backColor; }
void Window::SetBackColor(Color color) {
  impl_->backColor = color;
  impl_->ApplyBackground();
}
bool Window::HasBackColor() const { return impl_->hasBackColor; }
void Window::SetHasBackColor(bool has) {
  impl_->hasBackColor = has;
  impl_->ApplyBackground();
}

bool Window::CloseButton() const { return impl_->closeButton; }
void Window::SetCloseButton(bool shown) { impl_->closeButton = shown; }
bool Window::MinimizeButton() const { return impl_->minimizeButton; }
void Window::SetMinimizeButton(bool shown) { impl_->minimizeButton = shown; }
bool Window::MaximizeButton() const { return impl_->maximizeButton; }
void Window::SetMaximizeButton(bool shown) { impl_->maximizeButton = shown; }
bool Window::Resizeable() const { return impl_->resizeable; }
void Window::SetResizeable(bool resizeable) { impl_->resizeable = resizeable; }

std::shared_ptr<MenuBar> Window::MenuBar() const { return impl_->menuBar; }
void Window::SetMenuBar(std::shared_ptr<fw::MenuBar> menuBar) {
  impl_->menuBar = std::move(menuBar);
  impl_->widget.setMenuBar(impl_->menuBar ? internal::NewQMenuBar(*impl_->menuBar) : nullptr);
}

Object& Window::AddControl(std::string name, std::unique_ptr<Object> control) {
  if (auto* named = dynamic_cast<Control*>(control.get())) named->SetName(name);
  Object& added =
      *impl_->controls.emplace_back(Impl::Registered{std::move(name), std::move(control)}).control;
  if (auto* placed = dynamic_cast<RectControl*>(&added)) placed->AttachTo(*this);
  return added;
}

Object* Window::ControlByName(std::string_view name) const {
  auto found =
      std::ranges::find_if(impl_->controls, [&](const auto& entry) { return entry.name == name; });
  return found == impl_->controls.end() ? nullptr : found->control.get();
}

Object* Window::ControlByNameIndex(std::string_view name, std::int32_t index) const {
  auto found = std::ranges::find_if(impl_->controls, [&](const auto& entry) {
    const auto* element = dynamic_cast<const Control*>(entry.control.get());
    return entry.name == name && element != nullptr && element->Index() == index;
  });
  return found == impl_->controls.end() ? nullptr : found->control.get();
}

std::vector<Object*> Window::Controls() const {
  std::vector<Object*> all;
  all.reserve(impl_->controls.size());
  for (const auto& entry : impl_->controls) all.push_back(entry.control.get());
  return all;
}

QWidget* Window::Widget() const { return &impl_->widget; }
QWidget* Window::Content() const { return impl_->content; }

Window* GetImplicitWindow(std::string_view typeName) {
  auto found = ImplicitWindows().find(typeName);
  return found == ImplicitWindows().end() ? nullptr : found->second;
}

void RuntimeReleaseGlobals() {
  ImplicitWindows().clear();
  while (!OpenWindows().empty()) OpenWindows().pop_back();
}

}  // namespace fw
