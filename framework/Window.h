#pragma once

// Windows: their properties, their window events, and the registry of the
// controls they own.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Object.h"

class QWidget;

namespace fw {

class MenuBar;

class Window : public Object {
 public:
  Window();
  ~Window() override;

  // Builds a window: the framework takes it over for the rest of the run
  // and registers it as the implicit window of its type name, then runs its
  // Layout, CreateControls and Open handlers, once each and in that order.
  // The window shows afterwards if its Visible property is true.
  static Window& Create(std::unique_ptr<Window> window, std::string typeName);

  // --- Properties -----------------------------------------------------------
  [[nodiscard]] const PropertyTable& Properties() const override;

  [[nodiscard]] std::string Title() const;
  void SetTitle(std::string title);
  // The size of the content area, in which controls are placed; the menu
  // bar stands above it.
  [[nodiscard]] std::int32_t Width() const;
  void SetWidth(std::int32_t width);
  [[nodiscard]] std::int32_t Height() const;
  void SetHeight(std::int32_t height);
  [[nodiscard]] bool Visible() const;
  void SetVisible(bool visible);
  [[nodiscard]] Color BackColor() const;
  void SetBackColor(Color color);
  [[nodiscard]] bool HasBackColor() const;
  void SetHasBackColor(bool has);
  [[nodiscard]] bool CloseButton() const;
  void SetCloseButton(bool shown);
  [[nodiscard]] bool MinimizeButton() const;
  void SetMinimizeButton(bool shown);
  [[nodiscard]] bool MaximizeButton() const;
  void SetMaximizeButton(bool shown);
  [[nodiscard]] bool Resizeable() const;
  void SetResizeable(bool resizeable);

  [[nodiscard]] std::shared_ptr<fw::MenuBar> MenuBar() const;
  void SetMenuBar(std::shared_ptr<fw::MenuBar> menuBar);

  // --- Control registry ---------------------------------------------------
  // The window owns its controls for its whole life; lookups hand out
  // references that are nothing when no control matches.
  Object& AddControl(std::string name, std::unique_ptr<Object> control);
  [[nodiscard]] Object* ControlByName(std::string_view name) const;
  // For the elements of a control array, which share one name.
  [[nodiscard]] Object* ControlByNameIndex(std::string_view name, std::int32_t index) const;
  // Every control, in the order of registration.
  [[nodiscard]] std::vector<Object*> Controls() const;

  // The Qt widget of the window and of its content area.
  [[nodiscard]] QWidget* Widget() const;
  [[nodiscard]] QWidget* Content() const;

 protected:
  // The window events a window class handles; empty ones do nothing.
  struct EventHandlers {
    std::function<void()> Layout;
    std::function<void()> CreateControls;
    std::function<void()> Open;
  };
  void SetEventHandlers(EventHandlers handlers);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The open window registered under a type name, or nothing.
[[nodiscard]] Window* GetImplicitWindow(std::string_view typeName);

// The framework's class-testing cast: the object as a T, or nothing when it
// is nothing or of another class.
template <class T>
[[nodiscard]] T* CheckCast(Object* object) {
  return dynamic_cast<T*>(object);
}

}  // namespace fw
