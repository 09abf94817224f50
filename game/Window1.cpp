// The game window as a whole: the single instance, its construction hooks,
// its own designer settings and its menu items.

#include "game/Window1.h"

#include "app/MenuBar1.h"

using fw::NotNil;

namespace {

constexpr const char* kTypeName = "Window1.Window1";

}  // namespace

Window1& Window1::Instance() {
  if (fw::Window* open = fw::GetImplicitWindow(kTypeName)) {
    return NotNil(fw::CheckCast<Window1>(open));
  }
  fw::Window& built = fw::Window::Create(std::make_unique<Window1>(), kTypeName);
  return NotNil(fw::CheckCast<Window1>(&built));
}

Window1::Window1() {
  SetEventHandlers({
      .Layout = [this] { Layout(); },
      .CreateControls = [this] { CreateControls(); },
      .Open = [this] { Event_Open(); },
  });
}

std::string Window1::DesignRecord() {
  return fw::RecordWriter()
      .Int32("Placement", 0)
      .Int32("Width", 762)
      .Int32("Height", 602)
      .Int32("MinWidth", 64)
      .Int32("MinHeight", 64)
      .Int32("MaxWidth", 32000)
      .Int32("MaxHeight", 32000)
      .Int32("Frame", 0)
      .Boolean("Composite", false)
      .Boolean("HasBackColor", true)
      .Color("BackColor", {0xCC, 0xCC, 0xCC})
      .String("Title", "Quorvelle")
      .Boolean("Visible", true)
      .Boolean("FullScreen", false)
      .Boolean("MenuBarVisible", true)
      .Boolean("CloseButton", false)
      .Boolean("Resizeable", false)
      .Boolean("LiveResize", false)
      .Boolean("MaximizeButton", false)
      .Boolean("MinimizeButton", true)
      .Int32("MacProcID", 0)
      .Bytes();
}

// The window shares the application's one menu bar.
void Window1::Layout() {
  SetMenuBar(MenuBar1::Instance());
  fw::SetProperties(*this, DesignRecord());
}

void Window1::CreateControls() {
  CreateControls0();
  CreateControls1();
}

fw::MenuItem* Window1::MenuItemNamed(std::string_view name) {
  return NotNil(MenuBar()).Lookup(name).get();
}

fw::MenuItem* Window1::EditMenu() { return MenuItemNamed("EditMenu"); }
fw::MenuItem* Window1::EditSelectAll() { return MenuItemNamed("EditSelectAll"); }
fw::MenuItem* Window1::UntitledMenu0() { return MenuItemNamed("UntitledMenu0"); }
fw::MenuItem* Window1::EditClear() { return MenuItemNamed("EditClear"); }
fw::MenuItem* Window1::EditPaste() { return MenuItemNamed("EditPaste"); }
fw::MenuItem* Window1::EditCopy() { return MenuItemNamed("EditCopy"); }
fw::MenuItem* Window1::EditCut() { return MenuItemNamed("EditCut"); }
fw::MenuItem* Window1::UntitledMenu1() { return MenuItemNamed("UntitledMenu1"); }
fw::MenuItem* Window1::EditUndo() { return MenuItemNamed("EditUndo"); }
fw::MenuItem* Window1::FileMenu() { return MenuItemNamed("FileMenu"); }
fw::QuitMenuItem* Window1::FileQuit() {
  return dynamic_cast<fw::QuitMenuItem*>(MenuItemNamed("FileQuit"));
}
