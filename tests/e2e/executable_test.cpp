// The built programs as files: PE headers, imports and the version block.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "driver/program_session.h"

namespace {

std::vector<unsigned char> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

struct PeFacts {
    WORD machine = 0;
    WORD subsystem = 0;
    WORD characteristics = 0;
    std::set<std::string> imports;
    std::set<std::string> exports;
};

// Reads the headers and the import directory straight from the file bytes.
PeFacts ReadPe(const std::vector<unsigned char>& file) {
    PeFacts facts;
    if (file.size() < 0x40) return facts;
    auto u16 = [&](size_t at) { return at + 2 <= file.size() ? static_cast<WORD>(file[at] | file[at + 1] << 8) : 0; };
    auto u32 = [&](size_t at) {
        return at + 4 <= file.size() ? static_cast<DWORD>(u16(at) | static_cast<DWORD>(u16(at + 2)) << 16) : 0u;
    };
    size_t pe = u32(0x3C);
    if (u32(pe) != IMAGE_NT_SIGNATURE) return facts;
    facts.machine = u16(pe + 4);
    facts.characteristics = u16(pe + 22);
    WORD sections = u16(pe + 6);
    WORD optionalSize = u16(pe + 20);
    size_t optional = pe + 24;
    bool is64 = u16(optional) == IMAGE_NT_OPTIONAL_HDR64_MAGIC;
    facts.subsystem = u16(optional + 68);
    size_t directories = optional + (is64 ? 112 : 96);
    DWORD exportRva = u32(directories);
    DWORD importRva = u32(directories + 8);
    size_t sectionTable = optional + optionalSize;
    auto toOffset = [&](DWORD rva) -> size_t {
        for (WORD i = 0; i < sections; ++i) {
            size_t s = sectionTable + i * 40;
            DWORD va = u32(s + 12), size = u32(s + 16), raw = u32(s + 20);
            if (rva >= va && rva < va + size) return raw + (rva - va);
        }
        return 0;
    };
    auto readName = [&](size_t at) {
        std::string name;
        while (at && at < file.size() && file[at]) name.push_back(static_cast<char>(file[at++]));
        return name;
    };
    if (size_t exports = exportRva ? toOffset(exportRva) : 0) {
        DWORD names = u32(exports + 24);
        size_t table = toOffset(u32(exports + 32));
        for (DWORD i = 0; table && i < names; ++i) facts.exports.insert(readName(toOffset(u32(table + 4 * i))));
    }
    for (size_t d = toOffset(importRva); d && u32(d + 12); d += 20) {
        size_t name = toOffset(u32(d + 12));
        std::string dll;
        while (name < file.size() && file[name]) dll.push_back(static_cast<char>(tolower(file[name++])));
        facts.imports.insert(dll);
    }
    return facts;
}

const std::set<std::string> kWindowsDlls = {"kernel32.dll", "user32.dll", "gdi32.dll",  "ole32.dll",
                                            "oleaut32.dll", "shell32.dll", "shlwapi.dll", "comctl32.dll",
                                            "msvcrt.dll",   "advapi32.dll"};

std::string Product() {
    const char* product = std::getenv("MITU_PRODUCT");
    return product ? WindowsPath(product) : std::string();
}

TEST(Executable, BothBuildsAreGuiProgramsImportingOnlyWindowsDlls) {
    struct Build {
        std::string path;
        WORD machine;
    } builds[] = {{ProgramUnderTest(), IMAGE_FILE_MACHINE_AMD64}, {Product(), IMAGE_FILE_MACHINE_I386}};
    for (const Build& b : builds) {
        PeFacts pe = ReadPe(ReadFile(b.path));
        EXPECT_EQ(pe.machine, b.machine) << b.path;
        EXPECT_EQ(pe.subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI) << b.path;
        ASSERT_FALSE(pe.imports.empty()) << b.path;
        for (const std::string& dll : pe.imports) EXPECT_TRUE(kWindowsDlls.count(dll)) << b.path << " imports " << dll;
    }
}

TEST(Executable, VersionBlockSaysTwoZeroTwoZeroAndItsDescription) {
    for (const std::string& path : {ProgramUnderTest(), Product()}) {
        DWORD handle = 0;
        DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
        ASSERT_GT(size, 0u) << path;
        std::vector<char> block(size);
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
        EXPECT_EQ(fixed->dwFileVersionMS, 0x00020000u);
        EXPECT_EQ(fixed->dwFileVersionLS, 0x00020000u);
        EXPECT_EQ(fixed->dwProductVersionMS, 0x00020000u);
        EXPECT_EQ(fixed->dwProductVersionLS, 0x00020000u);
        char* description = nullptr;
        ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\080403a8\\FileDescription",
                                   reinterpret_cast<void**>(&description), &length));
        EXPECT_STREQ(description, "拾贝通");
    }
}

// The skin library image the product carries, read out of its resources.
TEST(Executable, ProductCarriesA32BitSkinLibraryExportingBothOperations) {
    HMODULE exe = LoadLibraryExA(Product().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    HRSRC found = FindResourceA(exe, MAKEINTRESOURCEA(100), MAKEINTRESOURCEA(10));  // RT_RCDATA
    ASSERT_NE(found, nullptr);
    auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(exe, found)));
    std::vector<unsigned char> image(bytes, bytes + SizeofResource(exe, found));
    FreeLibrary(exe);
    EXPECT_EQ(image.size(), 88576u);
    PeFacts pe = ReadPe(image);
    EXPECT_EQ(pe.machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_TRUE(pe.characteristics & IMAGE_FILE_DLL);
    EXPECT_EQ(pe.exports, (std::set<std::string>{"SkinH_AttachRes", "SkinH_SetAero"}));
    for (const std::string& dll : pe.imports) EXPECT_TRUE(kWindowsDlls.count(dll)) << "imports " << dll;
}

}  // namespace
