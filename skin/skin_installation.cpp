#include "skin/skin_installation.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "app/lifetime.h"
#include "app/program_directory.h"
#include "skin/carried_data.h"
#include "skin/skin_library.h"
#include "skin/skin_library_name.h"

namespace {

// Writes a hidden temporary file beside the target and renames it into
// place, so that a write that fails halfway never leaves a truncated library
// that every later start would find and fail to load. A temporary file left
// by a start that was killed is simply written over by the next one.
bool WriteHiddenFile(const char* directory, const char* path, const CarriedBlock& image) {
    Text temporary = JoinTexts({directory, "\\~", kSkinLibraryFile, ".tmp"});
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = image.data && WriteFile(file, image.data, static_cast<DWORD>(image.size), &written, nullptr) &&
              written == image.size;
    ok = CloseHandle(file) && ok;
    ok = ok && SetFileAttributesA(temporary.c_str(), FILE_ATTRIBUTE_HIDDEN);
    ok = ok && MoveFileExA(temporary.c_str(), path, 0);
    if (!ok) {
        SetFileAttributesA(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(temporary.c_str());
    }
    return ok;
}

}  // namespace

void EnsureSkinLibraryFile() {
    Text directory = GetProgramDirectory();
    Text path = JoinTexts({directory.c_str(), "\\", kSkinLibraryFile});
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    if (WriteHiddenFile(directory.c_str(), path.c_str(), SkinLibraryImage()))
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
}

void InstallSkinLibrary() {
    EnsureSkinLibraryFile();
    CallSkinSetAero(1);
}

void ApplyBuiltInSkin(int32_t number) {
    EnsureSkinLibraryFile();
    CarriedBlock block = BuiltInSkin(number);
    unsigned char* copy = nullptr;
    if (block.data) {
        copy = static_cast<unsigned char*>(std::malloc(block.size));
        if (!copy) ReportFatalError("内存不足，无法载入皮肤");
        std::memcpy(copy, block.data, block.size);
    }
    CallSkinAttachRes(copy, static_cast<int32_t>(block.size), "");
    std::free(copy);
}
