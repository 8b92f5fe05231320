#include "driver/process_figures.h"

#include <psapi.h>
#include <winternl.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct HandleEntry {
    ULONG ownerPid;
    BYTE objectType;
    BYTE flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};

struct HandleTable {
    ULONG count;
    HandleEntry entries[1];
};

using QuerySystemInformation = NTSTATUS(NTAPI*)(ULONG, PVOID, ULONG, PULONG);

size_t CountKernelHandles(DWORD pid) {
    auto query = reinterpret_cast<QuerySystemInformation>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return 0;
    std::vector<unsigned char> buffer(1 << 20);
    ULONG needed = 0;
    constexpr ULONG kSystemHandleInformation = 16;
    for (int tries = 0; tries < 6; ++tries) {
        NTSTATUS status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status >= 0) break;
        buffer.resize(buffer.size() * 2);
    }
    auto* table = reinterpret_cast<HandleTable*>(buffer.data());
    size_t count = 0;
    for (ULONG i = 0; i < table->count; ++i) count += table->entries[i].ownerPid == pid;
    return count;
}

std::string ReadSmallFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string text(8192, '\0');
    DWORD got = 0;
    ReadFile(file, &text[0], static_cast<DWORD>(text.size()), &got, nullptr);
    CloseHandle(file);
    text.resize(got);
    return text;
}

size_t StatusKilobytes(const std::string& status, const char* field) {
    size_t at = status.find(field);
    return at == std::string::npos ? 0 : std::strtoul(status.c_str() + at + strlen(field), nullptr, 10);
}

// Wine does not report another process's memory: read Linux's figures for
// the process whose command line holds the marker.
void ReadLinuxMemory(const std::string& marker, ProcessFigures& figures) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (found.cFileName[0] < '0' || found.cFileName[0] > '9') continue;
        std::string dir = std::string("Z:\\proc\\") + found.cFileName;
        std::string commandLine = ReadSmallFile(dir + "\\cmdline");
        if (commandLine.find(marker) == std::string::npos) continue;
        std::string status = ReadSmallFile(dir + "\\status");
        figures.privateBytes = StatusKilobytes(status, "RssAnon:") * 1024;
        figures.workingSet = StatusKilobytes(status, "VmRSS:") * 1024;
        break;
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

}  // namespace

ProcessFigures MeasureProcess(HANDLE process, DWORD pid, const std::string& marker) {
    ProcessFigures figures;
    figures.kernelHandles = CountKernelHandles(pid);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        figures.privateBytes = memory.PrivateUsage;
        figures.workingSet = memory.WorkingSetSize;
    }
    if (figures.privateBytes == 0) ReadLinuxMemory(marker, figures);
    figures.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    figures.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    return figures;
}
