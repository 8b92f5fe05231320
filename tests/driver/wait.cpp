#include "driver/wait.h"

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start > timeoutMs) return done();
        Sleep(20);
    }
}

void Pause(DWORD ms) { Sleep(ms); }
