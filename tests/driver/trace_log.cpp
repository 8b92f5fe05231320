#include "driver/trace_log.h"

#include <windows.h>

#include <sstream>

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One quoted string as Wine's debugstr functions print it, starting at the
// opening quote; `pos` ends behind the closing quote. Wide strings print other
// characters as \XXXX, narrow ones as \xNN.
std::wstring ReadQuoted(const std::string& line, size_t& pos) {
    std::wstring out;
    ++pos;
    while (pos < line.size() && line[pos] != '"') {
        char c = line[pos++];
        if (c != '\\' || pos >= line.size()) {
            out.push_back(static_cast<unsigned char>(c));
            continue;
        }
        char e = line[pos++];
        switch (e) {
        case 'n': out.push_back(L'\n'); break;
        case 'r': out.push_back(L'\r'); break;
        case 't': out.push_back(L'\t'); break;
        case 'x': {
            int value = 0;
            for (int i = 0; i < 2 && pos < line.size() && HexValue(line[pos]) >= 0; ++i)
                value = value * 16 + HexValue(line[pos++]);
            out.push_back(static_cast<wchar_t>(value));
            break;
        }
        default:
            if (HexValue(e) >= 0) {
                int value = HexValue(e);
                for (int i = 0; i < 3 && pos < line.size() && HexValue(line[pos]) >= 0; ++i)
                    value = value * 16 + HexValue(line[pos++]);
                out.push_back(static_cast<wchar_t>(value));
            } else {
                out.push_back(static_cast<unsigned char>(e));
            }
        }
    }
    ++pos;
    return out;
}

std::string Narrow(const std::wstring& bytes) {
    std::string out;
    for (wchar_t c : bytes) out.push_back(static_cast<char>(c));
    return out;
}

template <typename Fn>
void ForEachLine(const std::string& trace, Fn fn) {
    std::istringstream in(trace);
    std::string line;
    while (std::getline(in, line)) fn(line);
}

}  // namespace

std::vector<std::wstring> ParseNavigations(const std::string& trace) {
    std::vector<std::wstring> found;
    ForEachLine(trace, [&](const std::string& line) {
        if (line.find(":trace:ieframe:WebBrowser_Navigate ") == std::string::npos) return;
        size_t pos = line.find("->(L\"");
        if (pos == std::string::npos) return;
        pos += 4;
        found.push_back(ReadQuoted(line, pos));
    });
    return found;
}

std::vector<std::string> ParseShellOpens(const std::string& trace) {
    std::vector<std::string> found;
    ForEachLine(trace, [&](const std::string& line) {
        if (line.find(":trace:exec:ShellExecuteA ") == std::string::npos) return;
        size_t pos = line.find(",\"");
        if (pos == std::string::npos) return;
        pos += 1;
        std::string verb = Narrow(ReadQuoted(line, pos));
        if (verb != "open" || pos >= line.size() || line[pos] != ',') return;
        ++pos;
        if (line.compare(pos, 1, "\"") != 0) return;
        found.push_back(Narrow(ReadQuoted(line, pos)));
    });
    return found;
}

std::string ToCodePage(const std::wstring& wide) {
    if (wide.empty()) return {};
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &out[0], bytes, nullptr, nullptr);
    return out;
}

std::wstring FromCodePage(const std::string& text) {
    if (text.empty()) return {};
    int chars = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(chars), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &out[0], chars);
    return out;
}
