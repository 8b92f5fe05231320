// The end sequence and the fatal-error path, run in a child copy of this
// test program so that they can end a process.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app/lifetime.h"
#include "driver/message_boxes.h"
#include "driver/wait.h"

namespace {

std::string g_marker;

void AppendMarker() { std::ofstream(g_marker, std::ios::app) << "cleanup\n"; }

int RunProbe(const std::string& mode, const std::string& marker) {
    g_marker = marker;
    SetExitCleanup(AppendMarker);
    if (mode == "end") EndProgram(7);
    if (mode == "fatal") ReportFatalError("probe failure");
    return 99;
}

struct Child {
    PROCESS_INFORMATION info = {};
    std::string marker;

    explicit Child(const char* mode) {
        char exe[MAX_PATH], temp[MAX_PATH];
        GetModuleFileNameA(nullptr, exe, sizeof exe);
        GetTempPathA(sizeof temp, temp);
        marker = std::string(temp) + "mitu-lifetime-" + mode + "-" + std::to_string(GetCurrentProcessId());
        DeleteFileA(marker.c_str());
        std::string command = std::string("\"") + exe + "\" --probe " + mode + " \"" + marker + "\"";
        STARTUPINFOA startup = {sizeof startup};
        CreateProcessA(exe, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
    }
    ~Child() {
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 1);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
        DeleteFileA(marker.c_str());
    }
    DWORD ExitCode() const {
        if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) return 0xDEAD;
        DWORD code = 0;
        GetExitCodeProcess(info.hProcess, &code);
        return code;
    }
    std::string Markers() const {
        std::ifstream in(marker);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST(Lifetime, EndProgramRunsTheExitCleanupOnceAndExitsWithTheCode) {
    Child child("end");
    EXPECT_EQ(child.ExitCode(), 7u);
    EXPECT_EQ(child.Markers(), "cleanup\n");
}

TEST(Lifetime, FatalErrorTellsTheUserAndExitsMinusOneWithoutCleanup) {
    Child child("fatal");
    MessageBoxSeen box = WaitForMessageBox(child.info.dwProcessId);
    ASSERT_NE(box.hwnd, nullptr) << "no message box";
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.icon, BoxIcon::Error);
    EXPECT_NE(box.text.find("probe failure"), std::string::npos) << box.text;
    EXPECT_NE(GetDlgItem(box.hwnd, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(box.hwnd, IDCANCEL), nullptr);
    Pause(300);
    EXPECT_EQ(WaitForSingleObject(child.info.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT))
        << "the program waits for the user";
    PressOk(box);
    EXPECT_EQ(child.ExitCode(), 0xFFFFFFFFu);
    EXPECT_EQ(child.Markers(), "");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--probe") return RunProbe(argv[2], argv[3]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
