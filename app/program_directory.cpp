#include "app/program_directory.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "app/lifetime.h"

Text DirectoryOfPath(const char* fullPath) {
    // Scan byte by byte and skip the trail byte of double-byte characters:
    // a GBK trail byte can be 0x5C, the backslash.
    const char* lastSlash = nullptr;
    for (const char* p = fullPath; *p; ++p) {
        if (IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1]) {
            ++p;
            continue;
        }
        if (*p == '\\') lastSlash = p;
    }
    std::string dir = lastSlash ? std::string(fullPath, lastSlash - fullPath) : std::string();
    return JoinTexts({dir.c_str()});
}

Text GetProgramDirectory() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD len = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (len == 0) ReportFatalError("无法取得程序文件的路径");
        if (len < path.size()) {
            path.resize(len);
            break;
        }
        path.resize(path.size() * 2);
    }
    return DirectoryOfPath(path.c_str());
}
