#include "settings/FileStore.h"

#include <utility>

#include <windows.h>

namespace {

// Larger files are refused rather than read into memory.
constexpr LONGLONG kMaxFileBytes = 64 * 1024 * 1024;

// Closes the handle on every way out, keeping the last error of the failure.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }
    bool Close() {
        if (!IsOpen())
            return true;
        const DWORD error = GetLastError();
        const BOOL closed = CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        if (closed)
            SetLastError(error);
        return closed != FALSE;
    }

private:
    HANDLE m_handle;
};

bool WriteAll(HANDLE file, std::string_view text) {
    while (!text.empty()) {
        DWORD written = 0;
        if (!WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr))
            return false;
        text.remove_prefix(written);
    }
    return FlushFileBuffers(file) != FALSE;
}

// Removes the new file after a failed step, keeping that step's error.
bool Abandon(const std::string& newPath) {
    const DWORD error = GetLastError();
    DeleteFileA(newPath.c_str());
    SetLastError(error);
    return false;
}

} // namespace

bool ReadWholeFile(const std::string& path, std::string& text) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size))
        return false;
    if (size.QuadPart > kMaxFileBytes) {
        SetLastError(ERROR_FILE_TOO_LARGE);
        return false;
    }
    std::string content(static_cast<size_t>(size.QuadPart), '\0');
    size_t filled = 0;
    while (filled < content.size()) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), &content[filled], static_cast<DWORD>(content.size() - filled),
                      &read, nullptr))
            return false;
        if (read == 0)
            break; // the file got shorter meanwhile
        filled += read;
    }
    content.resize(filled);
    text = std::move(content);
    return true;
}

bool ReplaceFileText(const std::string& path, std::string_view text) {
    const std::string newPath = path + kNewFileSuffix;
    FileHandle file(CreateFileA(newPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return false;
    if (!WriteAll(file.Get(), text)) {
        file.Close();
        return Abandon(newPath);
    }
    if (!file.Close())
        return Abandon(newPath);
    if (!MoveFileExA(newPath.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Abandon(newPath);
    return true;
}
