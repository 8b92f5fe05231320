// Texts are zero-terminated byte strings in the system's multibyte code page.
#pragma once

#include <cstddef>
#include <initializer_list>

// An owned text; released when it goes out of scope. Never holds a null
// buffer once produced by JoinTexts or CopyText.
class Text {
public:
    Text() = default;
    explicit Text(char* owned) : data_(owned) {}
    Text(Text&& other) noexcept : data_(other.data_) { other.data_ = nullptr; }
    Text& operator=(Text&& other) noexcept;
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    ~Text();

    const char* c_str() const { return data_ ? data_ : ""; }
    char* data() { return data_; }
    bool missing() const { return data_ == nullptr; }

private:
    char* data_ = nullptr;
};

// A new zero-filled text with room for `length` bytes and the terminator.
// Running out of memory is fatal.
Text NewText(size_t length);

// Joins the parts in order into one new text; a null part adds nothing.
// Running out of memory is fatal.
Text JoinTexts(std::initializer_list<const char*> parts);

// Byte-wise comparison as unsigned bytes; a null text equals the empty text.
bool TextIsEmpty(const char* text);
