#include "driver/http_proxy.h"

#include <windows.h>

namespace {

constexpr char kSettingsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

void SetProxy(bool enable, const std::string& server) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr))
        return;
    DWORD on = enable ? 1 : 0;
    RegSetValueExA(key, "ProxyEnable", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof on);
    if (enable)
        RegSetValueExA(key, "ProxyServer", 0, REG_SZ, reinterpret_cast<const BYTE*>(server.c_str()),
                       static_cast<DWORD>(server.size() + 1));
    RegCloseKey(key);
}

// Reads up to the end of the request head.
std::string ReadHead(SOCKET s) {
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < (1u << 20)) {
        int got = recv(s, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        head.append(buffer, static_cast<size_t>(got));
    }
    return head;
}

}  // namespace

HttpProxy::HttpProxy() {
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 16);
    int length = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    SetProxy(true, "127.0.0.1:" + std::to_string(ntohs(address.sin_port)));
    thread_ = std::thread([this] { Serve(); });
}

HttpProxy::~HttpProxy() {
    SetProxy(false, "");
    closesocket(listener_);
    thread_.join();
    WSACleanup();
}

void HttpProxy::Serve() {
    for (;;) {
        SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) return;
        std::string head = ReadHead(client);
        size_t first = head.find(' ');
        size_t second = first == std::string::npos ? first : head.find(' ', first + 1);
        if (second != std::string::npos) {
            std::lock_guard<std::mutex> lock(mutex_);
            requests_.push_back(head.substr(first + 1, second - first - 1));
        }
        static const char kAnswer[] = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: 0\r\n\r\n";
        send(client, kAnswer, sizeof kAnswer - 1, 0);
        closesocket(client);
    }
}

std::vector<std::string> HttpProxy::Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}
