#include "app/text.h"

#include <cstdlib>
#include <cstring>

#include "app/lifetime.h"

Text& Text::operator=(Text&& other) noexcept {
    if (this != &other) {
        std::free(data_);
        data_ = other.data_;
        other.data_ = nullptr;
    }
    return *this;
}

Text::~Text() { std::free(data_); }

Text NewText(size_t length) {
    char* buffer = static_cast<char*>(std::calloc(length + 1, 1));
    if (!buffer) ReportFatalError("内存不足，无法生成文本");
    return Text(buffer);
}

Text JoinTexts(std::initializer_list<const char*> parts) {
    size_t total = 0;
    for (const char* part : parts)
        if (part) total += std::strlen(part);
    Text joined = NewText(total);
    char* out = joined.data();
    for (const char* part : parts) {
        if (!part) continue;
        size_t len = std::strlen(part);
        std::memcpy(out, part, len);
        out += len;
    }
    return joined;
}

bool TextIsEmpty(const char* text) {
    return text == nullptr || static_cast<unsigned char>(text[0]) == 0;
}
