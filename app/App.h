#pragma once

#include "framework/Framework.h"

// The application object: exactly one, made at start-up and held by the
// framework for the whole run. It handles no application event.
class App : public fw::Application {};
