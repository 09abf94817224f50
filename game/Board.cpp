#include "game/Window1.h"

void Window1::Event_Open() {}
void Window1::Clearit() {}
void Window1::Fillit(const std::shared_ptr<fw::Picture>& /*picture*/) {}
void Window1::DISABLEIT() {}
void Window1::enableit() {}
