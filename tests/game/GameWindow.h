#pragma once

// The real game window, built as the program builds it at start-up, for
// tests that drive it through its real widgets on Qt's offscreen platform.
// Each test gets a window of its own; it is released again, with the menu
// bar and the sounds, as at the program's shutdown.

#include <gtest/gtest.h>

#include "game/Window1.h"

class GameWindow : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  [[nodiscard]] Window1& window() const { return *window_; }

  // Lets Qt deliver what is pending: showing, layout, painting.
  static void ProcessEvents();

 private:
  Window1* window_ = nullptr;
};
