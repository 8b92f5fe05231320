// SkinH_EL.dll: draws the frame and title bar of every captioned top-level
// window of the thread that attached a skin, those already there and those
// created later. Outer sizes and client areas stay the system's.
#include <windows.h>
#include <commctrl.h>

#include "skin/engine/skin.h"

namespace {

constexpr UINT_PTR kSubclassId = 0x5348;
// Marks a window the engine draws, pointing at its FrameState.
constexpr char kStateProperty[] = "SkinH_EL.State";

HINSTANCE g_instance = nullptr;
Skin* g_skin = nullptr;
HHOOK g_hook = nullptr;
DWORD g_thread = 0;
// The aero option: a glass sheen over the upper half of every title bar.
bool g_aero = false;

struct FrameState {
    bool active;
    bool closeHover;
};

bool HasCaption(LONG style) { return (style & WS_CAPTION) == WS_CAPTION && !(style & WS_CHILD); }

void Repaint(HWND hwnd, const FrameState& state) {
    if (g_skin && IsWindowVisible(hwnd)) PaintWindowFrame(hwnd, *g_skin, state.active, g_aero, state.closeHover);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    FrameState& state = *reinterpret_cast<FrameState*>(data);
    switch (msg) {
    case WM_NCPAINT:
    case WM_SETTEXT:
    case WM_SETICON: {
        LRESULT result = DefSubclassProc(hwnd, msg, wp, lp);
        Repaint(hwnd, state);
        return result;
    }
    case WM_NCACTIVATE: {
        LRESULT result = DefSubclassProc(hwnd, msg, wp, lp);
        state.active = wp != FALSE;
        Repaint(hwnd, state);
        return result;
    }
    case WM_NCMOUSEMOVE: {
        bool hover = wp == HTCLOSE;
        if (hover != state.closeHover) {
            state.closeHover = hover;
            Repaint(hwnd, state);
        }
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE | TME_NONCLIENT, hwnd, 0};
        TrackMouseEvent(&track);
        break;
    }
    case WM_NCMOUSELEAVE:
        if (state.closeHover) {
            state.closeHover = false;
            Repaint(hwnd, state);
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, FrameProc, kSubclassId);
        RemovePropA(hwnd, kStateProperty);
        HeapFree(GetProcessHeap(), 0, &state);
        break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

void Attach(HWND hwnd) {
    if (GetPropA(hwnd, kStateProperty)) return;
    auto* state = static_cast<FrameState*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(FrameState)));
    if (!state) return;
    state->active = GetActiveWindow() == hwnd;
    if (SetWindowSubclass(hwnd, FrameProc, kSubclassId, reinterpret_cast<DWORD_PTR>(state)))
        SetPropA(hwnd, kStateProperty, state);
    else
        HeapFree(GetProcessHeap(), 0, state);
}

void Detach(HWND hwnd) {
    void* state = RemovePropA(hwnd, kStateProperty);
    if (!state) return;
    RemoveWindowSubclass(hwnd, FrameProc, kSubclassId);
    HeapFree(GetProcessHeap(), 0, state);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LRESULT CALLBACK CreationHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_CREATEWND) {
        auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lp);
        if (create->lpcs && HasCaption(create->lpcs->style)) Attach(reinterpret_cast<HWND>(wp));
    }
    return CallNextHookEx(g_hook, code, wp, lp);
}

BOOL CALLBACK AttachExisting(HWND hwnd, LPARAM) {
    if (HasCaption(GetWindowLongA(hwnd, GWL_STYLE))) {
        Attach(hwnd);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    return TRUE;
}

BOOL CALLBACK DetachExisting(HWND hwnd, LPARAM) {
    Detach(hwnd);
    return TRUE;
}

BOOL CALLBACK RepaintExisting(HWND hwnd, LPARAM) {
    if (auto* state = static_cast<FrameState*>(GetPropA(hwnd, kStateProperty))) Repaint(hwnd, *state);
    return TRUE;
}

void Shutdown() {
    if (g_hook) UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
    if (g_thread) EnumThreadWindows(g_thread, DetachExisting, 0);
    FreeSkin(g_skin);
    g_skin = nullptr;
}

}  // namespace

extern "C" __declspec(dllexport) int WINAPI SkinH_SetAero(int on) {
    g_aero = on != 0;
    if (g_thread) EnumThreadWindows(g_thread, RepaintExisting, 0);
    return 0;
}

// The text and the three integers are reserved; the block is copied, so the
// caller may free it as soon as this returns. Returns 0 when the skin is in use.
extern "C" __declspec(dllexport) int WINAPI SkinH_AttachRes(const unsigned char* data, int size, const char*, int,
                                                              int, int) {
    SkinView view;
    if (size <= 0 || !ParseSkin(data, static_cast<size_t>(size), &view)) return -1;
    Skin* skin = CopySkin(view);
    if (!skin) return -1;
    Shutdown();
    g_skin = skin;
    g_thread = GetCurrentThreadId();
    g_hook = SetWindowsHookExA(WH_CBT, CreationHook, g_instance, g_thread);
    EnumThreadWindows(g_thread, AttachExisting, 0);
    return 0;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_instance = instance;
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && !reserved) {
        Shutdown();
    }
    return TRUE;
}
