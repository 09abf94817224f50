#include "game/Window1.h"

bool Window1::Label7_MouseDown(fw::Label&, std::int32_t, std::int32_t) { return false; }
bool Window1::Label8_MouseDown(fw::Label&, std::int32_t, std::int32_t) { return false; }
bool Window1::ImageWell2_MouseWheel(fw::ImageWell&, std::int32_t, std::int32_t, std::int32_t,
                                    std::int32_t) {
  return false;
}
void Window1::ImageWell2_MouseExit(fw::ImageWell&) {}
bool Window1::ImageWell2_MouseDown(fw::ImageWell&, std::int32_t, std::int32_t) { return false; }
bool Window1::Label22_MouseDown(fw::Label&, std::int32_t, std::int32_t) { return false; }
void Window1::PushButton4_Action(fw::PushButton&) {}
void Window1::PushButton5_Action(fw::PushButton&) {}
void Window1::PushButton6_Action(fw::PushButton&) {}
