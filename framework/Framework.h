#pragma once

// Everything the program uses of the framework.

#include "Control.h"         // IWYU pragma: export
#include "Desktop.h"         // IWYU pragma: export
#include "Exceptions.h"      // IWYU pragma: export
#include "FolderItem.h"      // IWYU pragma: export
#include "GroupBox.h"        // IWYU pragma: export
#include "ImageWell.h"       // IWYU pragma: export
#include "Label.h"           // IWYU pragma: export
#include "Menu.h"            // IWYU pragma: export
#include "Object.h"          // IWYU pragma: export
#include "Picture.h"         // IWYU pragma: export
#include "PropertyRecord.h"  // IWYU pragma: export
#include "PushButton.h"      // IWYU pragma: export
#include "RadioButton.h"     // IWYU pragma: export
#include "Random.h"          // IWYU pragma: export
#include "Runtime.h"         // IWYU pragma: export
#include "Sound.h"           // IWYU pragma: export
#include "TabPanel.h"        // IWYU pragma: export
#include "Text.h"            // IWYU pragma: export
#include "Timer.h"           // IWYU pragma: export
#include "Window.h"          // IWYU pragma: export
