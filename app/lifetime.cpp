#include "app/lifetime.h"

#include <windows.h>
#include <ole2.h>

#include "app/first_window.h"
#include "search/engine_prefixes.h"
#include "skin/skin_library.h"
#include "ui/window_layer.h"

namespace {

ExitCleanupRoutine g_exitCleanup = nullptr;
bool g_oleInitialised = false;

}  // namespace

void SetExitCleanup(ExitCleanupRoutine routine) { g_exitCleanup = routine; }

int StartProgram() {
    g_oleInitialised = SUCCEEDED(OleInitialize(nullptr));
    SetExitCleanup(ReleaseEnginePrefixes);
    if (!LoadWindow(FirstWindow(), nullptr, false))
        ReportFatalError("无法载入程序的第一个窗口");
    RunEventLoop();
    return 0;
}

void EndProgram(uint32_t exitCode) {
    if (ExitCleanupRoutine routine = g_exitCleanup) {
        g_exitCleanup = nullptr;
        routine();
    }
    // Windows still alive here (only after a fatal error) hold the browser
    // control and skinned frames; they go before the libraries they use.
    DestroyAllProgramWindows();
    UnloadSkinLibrary();
    if (g_oleInitialised) {
        g_oleInitialised = false;
        OleUninitialize();
    }
    ExitProcess(exitCode);
}

void ReportFatalError(const char* description) {
    Text message = JoinTexts({"程序遇到无法继续的错误，即将退出。\n\n", description});
    MessageBoxA(nullptr, message.c_str(), "觅途灵 - 错误", MB_OK | MB_ICONERROR);
    g_exitCleanup = nullptr;
    EndProgram(static_cast<uint32_t>(-1));
}
