#pragma once

// The "关于作者" link: shows the about window and returns once it is closed.
void OpenAboutWindow();
