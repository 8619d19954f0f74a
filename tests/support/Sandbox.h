#pragma once
// Scratch places for tests: the registry and folders of their own.

#include <string>

#include <windows.h>

// HKEY_LOCAL_MACHINE of this process mapped onto a scratch key of its own for
// the object's life, so that tests set the game's registry value freely.
class RegistrySandbox {
public:
    RegistrySandbox();
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

    // The game's key with a `Directory` value of these bytes and this type,
    // written where a reader of the 32-bit view looks.
    void SetDirectory(const std::string& bytes, DWORD type = REG_SZ);
    // The text and its terminating zero.
    void SetDirectoryText(const std::string& text);
    // The game's key without the value.
    void CreateGameKey();
    // The game's key gone, so that lookups fail.
    void RemoveGameKey();

private:
    std::string m_path;
    HKEY m_root = nullptr;
};

// A fresh folder under the temporary folder, removed with all it holds.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, ending in a backslash.
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

void WriteFileBytes(const std::string& path, const std::string& bytes);
// The file's bytes; "<missing>" when it cannot be opened.
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
// The names in a folder, sorted, without "." and "..".
std::string ListFolder(const std::string& folder);
void MakeFolder(const std::string& path);
