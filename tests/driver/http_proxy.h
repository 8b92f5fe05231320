// A logging HTTP proxy on 127.0.0.1, set as the Wine prefix's proxy while it
// lives: it records the request line of every request and answers with an
// empty page. Nothing leaves the machine.
#pragma once

#include <winsock2.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

class HttpProxy {
public:
    HttpProxy();
    ~HttpProxy();
    HttpProxy(const HttpProxy&) = delete;
    HttpProxy& operator=(const HttpProxy&) = delete;

    // The target of every request so far ("GET http://host:80/path" gives
    // "http://host:80/path"), in arrival order, as raw bytes.
    std::vector<std::string> Requests() const;

private:
    void Serve();

    SOCKET listener_ = INVALID_SOCKET;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
};
