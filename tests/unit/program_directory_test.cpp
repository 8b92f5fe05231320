#include <windows.h>

#include <gtest/gtest.h>

#include "app/program_directory.h"

namespace {

struct DirectoryCase {
    const char* path;
    const char* directory;
};

// "觅" is C3 D9 and "表" is B1 ED; "\x95\x5C" is a GBK character whose second
// byte is a backslash, which must not split the path.
const DirectoryCase kCases[] = {
    {"C:\\Programs\\mituling.exe", "C:\\Programs"},
    {"C:\\mituling.exe", "C:"},
    {"Z:\\work\\a b\\c\\mituling.exe", "Z:\\work\\a b\\c"},
    {"C:\\觅途灵\\mituling.exe", "C:\\觅途灵"},
    {"C:\\\x95\x5C" "dir\\mituling.exe", "C:\\\x95\x5C" "dir"},
    {"mituling.exe", ""},
};

TEST(ProgramDirectory, EverythingBeforeTheLastBackslash) {
    for (const DirectoryCase& c : kCases) EXPECT_STREQ(DirectoryOfPath(c.path).c_str(), c.directory) << c.path;
}

TEST(ProgramDirectory, OfTheRunningExecutableHasNoTrailingBackslash) {
    Text directory = GetProgramDirectory();
    std::string dir = directory.c_str();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), '\\');
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    EXPECT_EQ(std::string(exe).substr(0, dir.size() + 1), dir + "\\");
}

}  // namespace
