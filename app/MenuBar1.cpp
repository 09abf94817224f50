#include "app/MenuBar1.h"

#include <optional>
#include <string>
#include <string_view>

using fw::NotNil;

namespace {

std::shared_ptr<MenuBar1>& ImplicitInstance() {
  static std::shared_ptr<MenuBar1> instance;
  return instance;
}

struct ItemDesign {
  std::string_view name;
  std::string_view text;
  std::optional<std::string_view> shortcut;  // separators have none at all
};

template <class Item = fw::MenuItem>
std::shared_ptr<fw::MenuItem> MakeItem(const ItemDesign& design) {
  std::shared_ptr<fw::MenuItem> item = std::make_shared<Item>();
  item->SetName(std::string(design.name));
  item->SetAutoEnable(true);
  item->SetText(std::string(design.text));
  if (design.shortcut) item->SetKeyboardShortcut(std::string(*design.shortcut));
  return item;
}

void AppendTo(fw::MenuBar& bar, std::string_view menu, const std::shared_ptr<fw::MenuItem>& item) {
  NotNil(bar.Child(menu)).Append(item);
}

}  // namespace

MenuBar1::MenuBar1() {
  Untitled0();
  Untitled1();
}

std::shared_ptr<MenuBar1> MenuBar1::Instance() {
  // Stored only once built: a construction that fails leaves no instance.
  if (!ImplicitInstance()) ImplicitInstance() = std::make_shared<MenuBar1>();
  return ImplicitInstance();
}

void MenuBar1::ReleaseInstance() { ImplicitInstance().reset(); }

bool MenuBar1::HasInstance() { return static_cast<bool>(ImplicitInstance()); }

void MenuBar1::Untitled0() {
  Append(MakeItem({"FileMenu", "&File", ""}));
  AppendTo(*this, "FileMenu", MakeItem<fw::QuitMenuItem>({"FileQuit", "&Quit", "Cmd+Q"}));
}

void MenuBar1::Untitled1() {
  Append(MakeItem({"EditMenu", "&Edit", ""}));
  for (const ItemDesign& design : {
           ItemDesign{"EditUndo", "&Undo", "Cmd+Z"},
           ItemDesign{"UntitledMenu1", "-", std::nullopt},
           ItemDesign{"EditCut", "Cu&t", "Cmd+X"},
           ItemDesign{"EditCopy", "&Copy", "Cmd+C"},
           ItemDesign{"EditPaste", "&Paste", "Cmd+V"},
           ItemDesign{"EditClear", "&Delete", ""},
           ItemDesign{"UntitledMenu0", "-", std::nullopt},
           ItemDesign{"EditSelectAll", "Select &All", "Cmd+A"},
       }) {
    AppendTo(*this, "EditMenu", MakeItem(design));
  }
}
