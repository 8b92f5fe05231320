// The program's windows.
#pragma once

#include "ui/window_description.h"

extern const WindowDescription kSplashWindow;
extern const WindowDescription kMainWindow;
extern const WindowDescription kAboutWindow;
