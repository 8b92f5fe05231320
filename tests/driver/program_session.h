// One run of the program under test, in a folder of its own.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// Path of the program built for the tests (from MITU_PROGRAM).
std::string ProgramUnderTest();

class ProgramSession {
public:
    // Makes a fresh folder holding a copy of the program (or of another
    // program of ours); does not start it.
    explicit ProgramSession(const std::string& program = ProgramUnderTest());
    ~ProgramSession();
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    const std::string& folder() const { return folder_; }
    std::string exePath() const { return exe_; }

    // Starts the program with Wine tracing its calls into the browser
    // control and the shell (read back from MITU_TRACE_LOG).
    void Start();
    DWORD pid() const { return info_.dwProcessId; }
    HANDLE process() const { return info_.hProcess; }
    bool running() const;

    // The visible top-level window with this title, once it shows.
    HWND WaitForWindow(const std::string& title, DWORD timeoutMs = 15000) const;

    // The exit code, or nothing if the program is still running after the wait.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = 10000) const;

    // Addresses given to the browser control's Navigate, in call order, as
    // UTF-16 and as code page text.
    std::vector<std::wstring> NavigationsW() const;
    std::vector<std::string> Navigations() const;

    // Files given to ShellExecute with "open", in call order.
    std::vector<std::string> ShellOpens() const;

private:
    std::string ReadTrace() const;

    std::string folder_;
    std::string exe_;
    std::string trace_;
    PROCESS_INFORMATION info_ = {};
};

// A Unix path as Wine sees it (Z:\...), or the path unchanged.
std::string WindowsPath(const std::string& path);

bool FileExists(const std::string& path);
void RemoveTree(const std::string& path);
