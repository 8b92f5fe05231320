#pragma once

struct WindowDescription;

// The window the start sequence loads.
const WindowDescription& FirstWindow();
