#include "settings/MissionSettings.h"

#include <cstring>

#include <windows.h>

namespace {

constexpr const char* kGameKey = "Software\\Quorvex\\Drakmoor";
constexpr const char* kDirectoryValue = "Directory";
constexpr const char* kScriptsFolder = "Assets\\Scripts\\";
// Data of up to this many bytes is accepted: 255 characters and a zero, or
// 256 characters without one.
constexpr DWORD kDirectoryBytes = 256;
// The game is 32-bit, so its key lives in the 32-bit view of the registry,
// which a 32-bit build reads anyway. A 64-bit build (for hosts whose Wine runs
// only 64-bit programs) falls back on its own view when the key is not there,
// in case the game was registered by a 64-bit tool.
#ifdef _WIN64
constexpr REGSAM kViews[] = {KEY_WOW64_32KEY, KEY_WOW64_64KEY};
#else
constexpr REGSAM kViews[] = {KEY_WOW64_32KEY};
#endif

LONG OpenGameKey(HKEY& key) {
    LONG status = ERROR_FILE_NOT_FOUND;
    for (REGSAM view : kViews) {
        status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, KEY_QUERY_VALUE | view, &key);
        if (status != ERROR_FILE_NOT_FOUND)
            break;
    }
    return status;
}

} // namespace

bool MissionSettings::FindGameDirectory(std::string& dir) {
    HKEY key = nullptr;
    LONG status = OpenGameKey(key);
    if (status != ERROR_SUCCESS) {
        SetLastError(static_cast<DWORD>(status));
        return false;
    }
    char data[kDirectoryBytes];
    DWORD size = sizeof data;
    DWORD type = 0;
    status = RegQueryValueExA(key, kDirectoryValue, nullptr, &type, reinterpret_cast<BYTE*>(data),
                              &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        SetLastError(static_cast<DWORD>(status));
        return false;
    }
    std::string text(data, strnlen(data, size <= sizeof data ? size : sizeof data));
    if (text.empty() || text.back() != '\\')
        text += '\\';
    dir = std::move(text);
    return true;
}

bool MissionSettings::FindScriptsDirectory(std::string& dir) {
    if (!FindGameDirectory(dir))
        return false;
    dir += kScriptsFolder;
    return true;
}
