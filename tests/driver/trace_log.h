// Reading what Wine's trace says the program handed to the browser control
// and to the shell.
#pragma once

#include <string>
#include <vector>

// The URL argument of every IWebBrowser2::Navigate call, in order.
std::vector<std::wstring> ParseNavigations(const std::string& trace);

// The file argument of every ShellExecuteA call with the verb "open", in order.
std::vector<std::string> ParseShellOpens(const std::string& trace);

std::string ToCodePage(const std::wstring& wide);
std::wstring FromCodePage(const std::string& text);
