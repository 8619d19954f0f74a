#include "support/Sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr const char* kGameKey = "Software\\Quorvex\\Drakmoor";
constexpr const char* kScratchParent = "Software\\KestruneTests";

int NextSerial() {
    static int serial = 0;
    return ++serial;
}

std::string Unique(const char* stem) {
    return std::string(stem) + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(NextSerial());
}

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path + "\\");
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

RegistrySandbox::RegistrySandbox() : m_path(std::string(kScratchParent) + "\\" + Unique("r")) {
    LONG status = RegCreateKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &m_root, nullptr);
    EXPECT_EQ(status, ERROR_SUCCESS);
    status = RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_root);
    EXPECT_EQ(status, ERROR_SUCCESS);
}

RegistrySandbox::~RegistrySandbox() {
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegCloseKey(m_root);
    RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, kScratchParent); // only once it is empty
}

void RegistrySandbox::CreateGameKey() {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0,
                              KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void RegistrySandbox::RemoveGameKey() {
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kGameKey, KEY_WOW64_32KEY, 0);
}

void RegistrySandbox::SetDirectory(const std::string& bytes, DWORD type) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0,
                              KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, "Directory", 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void RegistrySandbox::SetDirectoryText(const std::string& text) {
    SetDirectory(std::string(text.c_str(), text.size() + 1));
}

TempFolder::TempFolder() {
    char temp[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof temp, temp);
    EXPECT_GT(length, 0u);
    m_path = std::string(temp, length) + Unique("kestrune-") + "\\";
    EXPECT_TRUE(CreateDirectoryA(m_path.c_str(), nullptr)) << m_path;
}

TempFolder::~TempFolder() {
    RemoveTree(m_path);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    EXPECT_EQ(written, bytes.size());
    CloseHandle(file);
}

std::string ReadFileBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0)
        bytes.append(chunk, read);
    CloseHandle(file);
    return bytes;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ListFolder(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..")
                names.push_back(name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    std::sort(names.begin(), names.end());
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : " ") + name;
    return list;
}

void MakeFolder(const std::string& path) {
    EXPECT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
}
