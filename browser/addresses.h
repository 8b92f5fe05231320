// The fixed pages of the program's site.
#pragma once

inline constexpr char kStartPage[] = "http://www.mituling.cn/";
inline constexpr char kUpdatePage[] = "http://www.mituling.cn/update.html";
inline constexpr char kOtherWorksPage[] = "http://www.mituling.cn/works.html";
