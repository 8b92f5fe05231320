// Prints the program's figures beside a floor program's, as a Markdown table.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "driver/process_figures.h"
#include "driver/program_session.h"
#include "driver/wait.h"
#include "driver/windows.h"

namespace {

constexpr int kRepeats = 5;
const std::string kSplash = "觅途灵 - 正式版本!";
const std::string kMain = "觅途灵 - 正式版";
const std::string kAbout = "觅途灵";

double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Polls as fast as it can, so the figures are not rounded to a sleep.
double TimeUntil(const std::function<bool()>& done, double timeoutMs = 30000) {
    double start = Now();
    while (!done()) {
        if (Now() - start > timeoutMs) return -1;
        Sleep(0);
    }
    return Now() - start;
}

struct Spread {
    double median, low, high;
};

Spread Of(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.front(), values.back()};
}

std::string FloorProgram() {
    const char* floor = std::getenv("MITU_FLOOR");
    return WindowsPath(floor ? floor : "");
}

std::string Product() {
    const char* product = std::getenv("MITU_PRODUCT");
    return WindowsPath(product ? product : "");
}

void Row(const char* what, const Spread& program, const Spread& floor, const char* unit) {
    std::printf("| %s | %.1f (%.1f-%.1f) %s | %.1f (%.1f-%.1f) %s | %.2f |\n", what, program.median, program.low,
                program.high, unit, floor.median, floor.low, floor.high, unit,
                floor.median > 0 ? program.median / floor.median : 0.0);
}

HWND WaitTop(ProgramSession& s, const std::string& title) {
    HWND found = nullptr;
    TimeUntil([&] { return (found = FindTopWindow(s.pid(), title)) != nullptr; });
    return found;
}

void PressFlatButton(HWND button) {
    PostMessageA(button, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageA(button, WM_KEYUP, VK_SPACE, 0);
}

HWND OpenMain(ProgramSession& s) {
    HWND splash = WaitTop(s, kSplash);
    PressFlatButton(FindChild(splash, "MituFlatButton"));
    return WaitTop(s, kMain);
}

void Close(ProgramSession& s) {
    for (HWND w : TopWindowsOf(s.pid())) PostMessageA(w, WM_CLOSE, 0, 0);
    s.WaitForExit(10000);
}

void StartupFigures() {
    std::vector<double> program, floor, enter, enterFloor, search, searchFloor;
    for (int i = 0; i < kRepeats; ++i) {
        {
            ProgramSession s;
            double start = Now();
            s.Start();
            HWND splash = WaitTop(s, kSplash);
            program.push_back(Now() - start - 3000);
            HWND button = FindChild(splash, "MituFlatButton");
            double pressed = Now();
            PressFlatButton(button);
            HWND main = nullptr;
            TimeUntil([&] { return (main = FindTopWindow(s.pid(), kMain)) && GetForegroundWindow() == main; });
            enter.push_back(Now() - pressed);
            HWND edit = FindChild(main, "Edit");
            SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc"));
            SendMessageA(FindChild(main, "ComboBox"), CB_SETCURSEL, 0, 0);
            PostMessageA(FindChild(main, "Button", std::string("百度")), BM_CLICK, 0, 0);
            WaitUntil([&] { return s.Navigations().size() == 1; });
            double clicked = Now();
            PostMessageA(FindChild(main, "Button", std::string("搜索")), BM_CLICK, 0, 0);
            if (TimeUntil([&] { return s.Navigations().size() >= 3; }) >= 0) search.push_back(Now() - clicked);
            Close(s);
        }
        {
            ProgramSession f(FloorProgram());
            double start = Now();
            f.Start();
            HWND first = WaitTop(f, "floor");
            floor.push_back(Now() - start);
            double pressed = Now();
            PostMessageA(first, WM_APP, 0, 0);
            HWND browser = nullptr;
            TimeUntil([&] { return (browser = FindTopWindow(f.pid(), "floor browser")) && GetForegroundWindow() == browser; });
            enterFloor.push_back(Now() - pressed);
            double clicked = Now();
            PostMessageA(first, WM_APP + 1, 0, 0);
            if (TimeUntil([&] { return f.Navigations().size() >= 1; }) >= 0) searchFloor.push_back(Now() - clicked);
            Close(f);
        }
    }
    std::printf("| measure | program: median (min-max) | floor: median (min-max) | ratio |\n|---|---|---|---|\n");
    Row("start to splash visible, less the 3000 ms wait", Of(program), Of(floor), "ms");
    Row("\"Enter\" to main window visible and active", Of(enter), Of(enterFloor), "ms");
    Row("\"搜索\" to request address at the browser control", Of(search), Of(searchFloor), "ms");
}

void MemoryFigures() {
    ProgramSession s;
    s.Start();
    HWND main = OpenMain(s);
    Sleep(500);
    ProcessFigures up = MeasureProcess(s.process(), s.pid(), s.folder());
    SendMessageA(FindChild(main, "Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc"));
    SendMessageA(FindChild(main, "ComboBox"), CB_SETCURSEL, 0, 0);
    for (int i = 0; i < 1000; ++i) PostMessageA(FindChild(main, "Button", std::string("搜索")), BM_CLICK, 0, 0);
    WaitUntil([&] { return s.Navigations().size() >= 2001; }, 300000);
    Sleep(300);
    ProcessFigures searched = MeasureProcess(s.process(), s.pid(), s.folder());
    HWND link = FindChild(main, "MituHyperlink", std::string("关于作者"));
    for (int i = 0; i < 100; ++i) {
        PostMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        HWND about = nullptr;
        WaitUntil([&] { return (about = FindTopWindow(s.pid(), kAbout)) != nullptr; }, 5000);
        PostMessageA(about, WM_CLOSE, 0, 0);
        WaitUntil([&] { return !IsWindow(about) && IsWindowEnabled(main); }, 5000);
    }
    ProcessFigures abouts = MeasureProcess(s.process(), s.pid(), s.folder());
    Close(s);

    ProgramSession f(FloorProgram());
    f.Start();
    HWND first = WaitTop(f, "floor");
    PostMessageA(first, WM_APP, 0, 0);
    WaitTop(f, "floor browser");
    Sleep(500);
    ProcessFigures floor = MeasureProcess(f.process(), f.pid(), f.folder());
    Close(f);

    std::printf("\n| state | working set | private (anonymous) memory | kernel handles |\n|---|---|---|---|\n");
    auto line = [](const char* what, const ProcessFigures& p) {
        std::printf("| %s | %.1f MB | %.1f MB | %zu |\n", what, p.workingSet / 1048576.0, p.privateBytes / 1048576.0,
                    p.kernelHandles);
    };
    line("floor: window with the browser control", floor);
    line("program: main window up", up);
    line("program: after 1,000 searches", searched);
    line("program: and after 100 about windows", abouts);
    std::printf("\nGrowth per search: %.0f bytes, %.3f handles. Growth per about window: %.0f bytes, %.3f handles.\n",
                (static_cast<double>(searched.privateBytes) - up.privateBytes) / 1000,
                (static_cast<double>(searched.kernelHandles) - up.kernelHandles) / 1000,
                (static_cast<double>(abouts.privateBytes) - searched.privateBytes) / 100,
                (static_cast<double>(abouts.kernelHandles) - searched.kernelHandles) / 100);
    std::printf("GDI and USER object counts: Wine reports none (GetGuiResources gives %lu and %lu).\n", up.gdiObjects,
                up.userObjects);
}

void SizeFigures() {
    HANDLE file = CreateFileA(Product().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD size = GetFileSize(file, nullptr);
    std::vector<unsigned char> bytes(size);
    DWORD got = 0;
    ReadFile(file, bytes.data(), size, &got, nullptr);
    CloseHandle(file);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(bytes.data());
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS32*>(bytes.data() + dos->e_lfanew);
    auto* section = IMAGE_FIRST_SECTION(nt);
    std::printf("\n| section of the i686 program | bytes in the file |\n|---|---|\n");
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section)
        std::printf("| %.8s | %lu |\n", reinterpret_cast<const char*>(section->Name), section->SizeOfRawData);
    std::printf("| whole file | %lu |\n", size);
}

}  // namespace

int main() {
    StartupFigures();
    MemoryFigures();
    SizeFigures();
    return 0;
}
