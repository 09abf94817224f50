#include "Menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QString>

#include <algorithm>

#include "Runtime.h"
#include "internal/Dispatch.h"
#include "internal/MenuWidgets.h"

namespace fw {

MenuItem::MenuItem() = default;
MenuItem::~MenuItem() = default;

void MenuItem::Append(std::shared_ptr<MenuItem> item) { items_.push_back(std::move(item)); }

std::shared_ptr<MenuItem> MenuItem::Item(std::size_t at) const {
  return at < items_.size() ? items_[at] : nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Child(std::string_view name) const {
  auto found = std::ranges::find_if(items_, [&](const auto& item) { return item->Name() == name; });
  return found == items_.end() ? nullptr : *found;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(std::string_view name) const {
  for (const auto& item : items_) {
    if (item->Name() == name) return item;
    if (auto below = item->Lookup(name)) return below;
  }
  return nullptr;
}

bool MenuItem::Choose() { return Action ? Action(*this) : false; }

bool QuitMenuItem::Choose() { return QuitMenuAction(); }

namespace internal {

namespace {

QKeySequence Shortcut(const std::optional<std::string>& written) {
  if (!written || written->empty()) return {};
  QString text = QString::fromStdString(*written);
  // Designers write the command key; on this desktop it is Control.
  if (text.startsWith("Cmd+")) text.replace(0, 3, "Ctrl");
  return QKeySequence::fromString(text, QKeySequence::PortableText);
}

void AddItems(QMenu& menu, const MenuItem& parent) {
  for (std::size_t at = 0; at < parent.Count(); ++at) {
    std::shared_ptr<MenuItem> item = parent.Item(at);
    if (item->IsSeparator()) {
      menu.addSeparator();
    } else if (item->Count() > 0) {
      AddItems(*menu.addMenu(QString::fromStdString(item->Text())), *item);
    } else {
      QAction* action = menu.addAction(QString::fromStdString(item->Text()));
      action->setShortcut(Shortcut(item->KeyboardShortcut()));
      // Items that enable themselves are usable while something handles
      // them; the Edit items of a program without text fields are not.
      action->setEnabled(!item->AutoEnable() || item->Handled());
      QObject::connect(action, &QAction::triggered, action,
                       [item] { Dispatch([&item] { item->Choose(); }); });
    }
  }
}

}  // namespace

QMenuBar* NewQMenuBar(const MenuBar& menuBar) {
  auto* bar = new QMenuBar;
  for (std::size_t at = 0; at < menuBar.Count(); ++at) {
    std::shared_ptr<MenuItem> menu = menuBar.Item(at);
    AddItems(*bar->addMenu(QString::fromStdString(menu->Text())), *menu);
  }
  return bar;
}

}  // namespace internal

}  // namespace fw
