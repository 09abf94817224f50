#include "game/Window1.h"

void Window1::PushButton3_Action(fw::PushButton&) {}
