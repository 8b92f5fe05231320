#include "driver/program_session.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "driver/trace_log.h"
#include "driver/wait.h"
#include "driver/windows.h"

namespace {

std::atomic<int> g_sessions{0};

std::string EnvironmentWithTrace() {
    std::string block;
    char* env = GetEnvironmentStringsA();
    for (const char* p = env; *p; p += lstrlenA(p) + 1)
        if (_strnicmp(p, "WINEDEBUG=", 10) != 0) block.append(p).push_back('\0');
    FreeEnvironmentStringsA(env);
    block.append("WINEDEBUG=-all,+pid,trace+ieframe,trace+exec").push_back('\0');
    block.push_back('\0');
    return block;
}

}  // namespace

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string out = "Z:" + path;
    for (char& c : out)
        if (c == '/') c = '\\';
    return out;
}

std::string ProgramUnderTest() {
    const char* program = std::getenv("MITU_PROGRAM");
    return program ? WindowsPath(program) : std::string();
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveTree(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL | (attributes & FILE_ATTRIBUTE_DIRECTORY));
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name != "." && name != "..") RemoveTree(path + "\\" + name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

ProgramSession::ProgramSession(const std::string& program) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::ostringstream name;
    name << temp << "mitu-" << GetCurrentProcessId() << "-" << g_sessions++;
    folder_ = name.str();
    RemoveTree(folder_);
    CreateDirectoryA(folder_.c_str(), nullptr);
    exe_ = folder_ + "\\" + program.substr(program.find_last_of("\\/") + 1);
    CopyFileA(program.c_str(), exe_.c_str(), FALSE);
    const char* trace = std::getenv("MITU_TRACE_LOG");
    trace_ = trace ? WindowsPath(trace) : std::string();
}

ProgramSession::~ProgramSession() {
    if (info_.hProcess) {
        if (running()) {
            TerminateProcess(info_.hProcess, 1);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
    RemoveTree(folder_);
}

void ProgramSession::Start() {
    STARTUPINFOA startup = {sizeof startup};
    std::string environment = EnvironmentWithTrace();
    std::string commandLine = "\"" + exePath() + "\"";
    CreateProcessA(exePath().c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, &environment[0],
                   folder_.c_str(), &startup, &info_);
}

bool ProgramSession::running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND ProgramSession::WaitForWindow(const std::string& title, DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopWindow(pid(), title)) != nullptr; }, timeoutMs);
    return found;
}

std::optional<DWORD> ProgramSession::WaitForExit(DWORD timeoutMs) const {
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

// The lines of this program's process ("pid:tid:trace:...").
std::string ProgramSession::ReadTrace() const {
    std::ifstream in(trace_, std::ios::binary);
    char prefix[16];
    snprintf(prefix, sizeof prefix, "%04lx:", static_cast<unsigned long>(pid()));
    std::string line, mine;
    while (std::getline(in, line))
        if (line.compare(0, strlen(prefix), prefix) == 0) mine.append(line).push_back('\n');
    return mine;
}

std::vector<std::wstring> ProgramSession::NavigationsW() const { return ParseNavigations(ReadTrace()); }

std::vector<std::string> ProgramSession::Navigations() const {
    std::vector<std::string> out;
    for (const std::wstring& wide : NavigationsW()) out.push_back(ToCodePage(wide));
    return out;
}

std::vector<std::string> ProgramSession::ShellOpens() const { return ParseShellOpens(ReadTrace()); }
