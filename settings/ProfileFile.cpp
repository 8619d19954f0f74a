#include "settings/ProfileFile.h"

#include "settings/FileStore.h"
#include "settings/ProfileText.h"

#include <windows.h>

std::string ReadProfileValue(const std::string& path, const char* section, const char* key) {
    std::string text;
    if (!ReadWholeFile(path, text))
        return {};
    std::string value = FindProfileValue(text, section, key);
    if (value.size() > kProfileValueChars)
        value.resize(kProfileValueChars);
    return value;
}

bool WriteProfileValue(const std::string& path, const char* section, const char* key,
                       const std::string& value) {
    std::string text;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        // Only a missing file is created; a missing folder fails here.
        if (GetLastError() != ERROR_FILE_NOT_FOUND)
            return false;
    } else if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) {
        // Checked here, as the file system lets an administrator replace it.
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    } else if (!ReadWholeFile(path, text)) {
        return false;
    }
    if (!SetProfileValue(text, section, key, value)) {
        SetLastError(ERROR_INVALID_DATA);
        return false;
    }
    return ReplaceFileText(path, text);
}
