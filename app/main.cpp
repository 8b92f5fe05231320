#include <windows.h>

#include "app/lifetime.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    EndProgram(static_cast<uint32_t>(StartProgram()));
}
