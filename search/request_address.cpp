#include "search/request_address.h"

#include <cstring>

namespace {

// These would end the keyword or change its meaning inside the request. GBK
// trail bytes start at 0x40, so none of them is ever half of a character.
const char* EscapeFor(char c) {
    switch (c) {
    case '&': return "%26";
    case '#': return "%23";
    case '+': return "%2B";
    case '%': return "%25";
    }
    return nullptr;
}

}  // namespace

Text EscapeKeyword(const char* keyword) {
    if (!keyword) return JoinTexts({});
    size_t length = 0;
    for (const char* p = keyword; *p; ++p) length += EscapeFor(*p) ? 3 : 1;
    Text escaped = NewText(length);
    char* out = escaped.data();
    for (const char* p = keyword; *p; ++p) {
        if (const char* code = EscapeFor(*p)) {
            std::memcpy(out, code, 3);
            out += 3;
        } else {
            *out++ = *p;
        }
    }
    return escaped;
}

Text ComposeRequestAddress(const char* prefix, const char* keyword, const char* filter) {
    Text escaped = EscapeKeyword(keyword);
    return JoinTexts({prefix, escaped.c_str(), filter});
}
