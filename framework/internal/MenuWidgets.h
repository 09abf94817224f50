#pragma once

class QMenuBar;

namespace fw {
class MenuBar;
}

namespace fw::internal {

// The Qt menu bar that shows a menu bar's menus and items; choosing an item
// runs the item's Choose through the dispatch.
QMenuBar* NewQMenuBar(const MenuBar& menuBar);

}  // namespace fw::internal
