// The File and Edit menus, their one shared instance, and how they show.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "app/MenuBar1.h"
#include "app/Startup.h"
#include "game/Window1.h"

namespace {

struct Expected {
  std::string name;
  std::string text;
  std::optional<std::string> shortcut;
};

void ExpectItems(const fw::MenuItem& menu, const std::vector<Expected>& expected) {
  ASSERT_EQ(menu.Count(), expected.size());
  for (std::size_t at = 0; at < expected.size(); ++at) {
    auto item = menu.Item(at);
    EXPECT_EQ(item->Name(), expected[at].name);
    EXPECT_EQ(item->Text(), expected[at].text);
    EXPECT_EQ(item->KeyboardShortcut(), expected[at].shortcut) << expected[at].name;
    EXPECT_TRUE(item->AutoEnable());
  }
}

TEST(MenuBar, HoldsFileThenEditWithTheirItemsInOrder) {
  auto bar = MenuBar1::Instance();
  ExpectItems(*bar, {{"FileMenu", "&File", ""}, {"EditMenu", "&Edit", ""}});
  ExpectItems(*bar->Child("FileMenu"), {{"FileQuit", "&Quit", "Cmd+Q"}});
  EXPECT_NE(dynamic_cast<fw::QuitMenuItem*>(bar->Child("FileMenu")->Item(0).get()), nullptr);
  ExpectItems(*bar->Child("EditMenu"), {
                                           {"EditUndo", "&Undo", "Cmd+Z"},
                                           {"UntitledMenu1", "-", std::nullopt},
                                           {"EditCut", "Cu&t", "Cmd+X"},
                                           {"EditCopy", "&Copy", "Cmd+C"},
                                           {"EditPaste", "&Paste", "Cmd+V"},
                                           {"EditClear", "&Delete", ""},
                                           {"UntitledMenu0", "-", std::nullopt},
                                           {"EditSelectAll", "Select &All", "Cmd+A"},
                                       });
}

TEST(MenuBar, IsBuiltOnceUntilReleased) {
  auto first = MenuBar1::Instance();
  EXPECT_EQ(MenuBar1::Instance(), first);
  MenuBar1::ReleaseInstance();
  EXPECT_FALSE(MenuBar1::HasInstance());
  EXPECT_NE(MenuBar1::Instance(), first);
}

TEST(MenuBar, TheWindowShowsQuitOnCtrlQAndTheEditItemsDisabled) {
  Startup();
  Window1& window = Window1::Instance();
  auto* bar = window.Widget()->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  QList<QAction*> menus = bar->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text(), "&File");
  EXPECT_EQ(menus[1]->text(), "&Edit");

  QList<QAction*> file = menus[0]->menu()->actions();
  ASSERT_EQ(file.size(), 1);
  EXPECT_EQ(file[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  EXPECT_TRUE(file[0]->isEnabled());

  QList<QAction*> edit = menus[1]->menu()->actions();
  ASSERT_EQ(edit.size(), 8);
  EXPECT_TRUE(edit[1]->isSeparator());
  EXPECT_TRUE(edit[6]->isSeparator());
  EXPECT_EQ(edit[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
  EXPECT_TRUE(edit[5]->shortcut().isEmpty());
  for (QAction* item : edit) EXPECT_FALSE(item->isEnabled() && !item->isSeparator());

  // The window's menu item accessors find the shared bar's items.
  EXPECT_EQ(window.EditClear(), MenuBar1::Instance()->Lookup("EditClear").get());
  EXPECT_NE(window.FileQuit(), nullptr);
}

}  // namespace
