#include "game/Window1.h"

bool Window1::ImageWell1_MouseDown(fw::ImageWell&, std::int32_t, std::int32_t) { return false; }
void Window1::ImageWell1_MouseEnter(fw::ImageWell&) {}
bool Window1::ImageWell1_MouseWheel(fw::ImageWell&, std::int32_t, std::int32_t, std::int32_t,
                                    std::int32_t) {
  return false;
}
void Window1::ImageWell1_MouseExit(fw::ImageWell&) {}
