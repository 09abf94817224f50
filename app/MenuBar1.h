#pragma once

#include <memory>

#include "framework/Framework.h"

// The program's only menu bar: File with Quit, and Edit with the usual
// editing items. One instance, built on its first request and shared by the
// application and the game window.
class MenuBar1 : public fw::MenuBar {
 public:
  MenuBar1();

  static std::shared_ptr<MenuBar1> Instance();
  // Drops the shared instance; the next request builds a new one.
  static void ReleaseInstance();
  // Whether the shared instance exists.
  [[nodiscard]] static bool HasInstance();

  void Untitled0();  // the File menu
  void Untitled1();  // the Edit menu
};
