#include "app/first_window.h"

#include "ui/windows.h"

const WindowDescription& FirstWindow() { return kSplashWindow; }
