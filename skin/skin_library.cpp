#include "skin/skin_library.h"

#include <windows.h>

#include "app/lifetime.h"
#include "app/program_directory.h"
#include "skin/skin_library_name.h"

namespace {

using SetAeroFn = int(WINAPI*)(int32_t);
using AttachResFn = int(WINAPI*)(const unsigned char*, int32_t, const char*, int32_t, int32_t, int32_t);

HMODULE g_library = nullptr;
SetAeroFn g_setAero = nullptr;
AttachResFn g_attachRes = nullptr;

[[noreturn]] void FailToBind(const char* exportName) {
    UnloadSkinLibrary();
    Text description = JoinTexts({"无法使用皮肤库 ", kSkinLibraryFile, " 的 ", exportName, "。"});
    ReportFatalError(description.c_str());
}

template <typename Fn>
Fn As(FARPROC proc) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(proc));
}

// The full path next to the executable first, then the standard search.
FARPROC BindExport(const char* exportName) {
    if (!g_library) {
        Text directory = GetProgramDirectory();
        Text path = JoinTexts({directory.c_str(), "\\", kSkinLibraryFile});
        g_library = LoadLibraryA(path.c_str());
        if (!g_library) g_library = LoadLibraryA(kSkinLibraryFile);
        if (!g_library) FailToBind(exportName);
    }
    FARPROC proc = GetProcAddress(g_library, exportName);
    if (!proc) FailToBind(exportName);
    return proc;
}

}  // namespace

void CallSkinSetAero(int32_t value) {
    if (!g_setAero) g_setAero = As<SetAeroFn>(BindExport("SkinH_SetAero"));
    g_setAero(value);
}

void CallSkinAttachRes(const unsigned char* data, int32_t size, const char* text) {
    if (!g_attachRes) g_attachRes = As<AttachResFn>(BindExport("SkinH_AttachRes"));
    g_attachRes(data, size, text, 0, 0, 0);
}

void UnloadSkinLibrary() {
    g_setAero = nullptr;
    g_attachRes = nullptr;
    if (g_library) {
        FreeLibrary(g_library);
        g_library = nullptr;
    }
}
