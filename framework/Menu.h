#pragma once

// Menus: a menu bar holds menus, a menu holds items. An item's text "-"
// makes a separator; "&" marks the letter that opens it from the keyboard.
// A shortcut written "Cmd+Q" is Ctrl+Q here.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Object.h"

namespace fw {

class MenuItem : public Object, public std::enable_shared_from_this<MenuItem> {
 public:
  MenuItem();
  ~MenuItem() override;

  [[nodiscard]] const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  [[nodiscard]] const std::string& Text() const { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }
  // Nothing until a shortcut, even an empty one, has been set.
  [[nodiscard]] const std::optional<std::string>& KeyboardShortcut() const { return shortcut_; }
  void SetKeyboardShortcut(std::string shortcut) { shortcut_ = std::move(shortcut); }
  // An item that enables itself: enabled while something handles it.
  [[nodiscard]] bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }

  [[nodiscard]] bool IsSeparator() const { return text_ == "-"; }

  void Append(std::shared_ptr<MenuItem> item);
  [[nodiscard]] std::size_t Count() const { return items_.size(); }
  [[nodiscard]] std::shared_ptr<MenuItem> Item(std::size_t at) const;
  // The item of that name directly under this one, or nothing.
  [[nodiscard]] std::shared_ptr<MenuItem> Child(std::string_view name) const;
  // The item of that name anywhere below this one, or nothing.
  [[nodiscard]] std::shared_ptr<MenuItem> Lookup(std::string_view name) const;

  // The program's handler for the item; it returns whether it handled the
  // choice.
  std::function<bool(MenuItem&)> Action;
  [[nodiscard]] virtual bool Handled() const { return static_cast<bool>(Action); }
  // What choosing the item does.
  virtual bool Choose();

 private:
  std::string name_;
  std::string text_;
  std::optional<std::string> shortcut_;
  bool autoEnable_ = true;
  std::vector<std::shared_ptr<MenuItem>> items_;
};

class MenuBar : public MenuItem {};

// The item that ends the run: choosing it runs the framework's quit action.
class QuitMenuItem : public MenuItem {
 public:
  [[nodiscard]] bool Handled() const override { return true; }
  bool Choose() override;
};

}  // namespace fw
