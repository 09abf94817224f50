#include "game/Window1.h"

void Window1::PushButton1_Action(fw::PushButton&) {}
void Window1::PushButton1_MouseExit(fw::PushButton&) {}
void Window1::Timer1_Action(fw::Timer&) {}
void Window1::Timer2_Action(fw::Timer&) {}
