// Run by read-only-folder.sh, which makes the program's folder unwritable
// (even for root) before and undoes it after; not a test of its own.
#include <cstdlib>

#include "driver/message_boxes.h"
#include "driver/program_session.h"
#include "driver/windows.h"

#include <gtest/gtest.h>

TEST(ReadOnlyFolder, FirstStartEndsWithAFatalErrorNamingSetAeroAndLeavesNoFile) {
    const char* folder = std::getenv("MITU_READONLY_FOLDER");
    ASSERT_NE(folder, nullptr);
    std::string dir = WindowsPath(folder);
    std::string exe = dir + "\\mituling.exe";
    PROCESS_INFORMATION info = {};
    STARTUPINFOA startup = {sizeof startup};
    std::string command = "\"" + exe + "\"";
    ASSERT_TRUE(CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &startup, &info));
    MessageBoxSeen box = WaitForMessageBox(info.dwProcessId, 20000);
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_NE(box.text.find("SkinH_SetAero"), std::string::npos) << box.text;
    EXPECT_EQ(box.icon, BoxIcon::Error);
    PressOk(box);
    EXPECT_EQ(WaitForSingleObject(info.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    EXPECT_EQ(code, 0xFFFFFFFFu);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    EXPECT_FALSE(FileExists(dir + "\\SkinH_EL.dll"));
    EXPECT_FALSE(FileExists(dir + "\\~SkinH_EL.dll.tmp"));
}
