#pragma once
// What a window shows, read from the outside (of this process or another).

#include <windows.h>

#include <string>

inline std::string TextOf(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

inline std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}
