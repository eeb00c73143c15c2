#pragma once
// A folder the user types or chooses is kept in options.ini only when it reads back from there as it is: a blank
// at either end would be trimmed away and a line break would make keys of its own.
#include <string>

bool FolderStorable(const std::string& folder);

// What a window says when it refuses one.
inline constexpr char FolderNotStorableText[] =
    "目录名称的开头和结尾不能是空格，也不能含有换行等控制字符，请重新选择！";
