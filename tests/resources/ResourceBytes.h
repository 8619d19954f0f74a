#pragma once
// The raw bytes of one of the program's own resources.

#include <windows.h>

#include <string>

// False when the module holds no such resource.
bool LoadResourceBytes(LPCSTR name, LPCSTR type, std::string& bytes);
