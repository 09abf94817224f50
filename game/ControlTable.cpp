// The window's 43 controls. (Filled in by the controls work.)

#include "game/Window1.h"

void Window1::CreateControls0() {}
void Window1::CreateControls1() {}
