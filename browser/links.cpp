#include "browser/links.h"

#include <windows.h>
#include <shellapi.h>

#include "browser/addresses.h"
#include "browser/browser_pane.h"

void OpenInSystemBrowser(const char* address) {
    ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

void ShowUpdatePage() { NavigatePane(kUpdatePage); }

void OpenOtherWorksPage() { OpenInSystemBrowser(kOtherWorksPage); }
