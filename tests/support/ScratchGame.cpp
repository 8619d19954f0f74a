#include "support/ScratchGame.h"

#include <fstream>
#include <sstream>

namespace {

constexpr char kGameKey[] = "Software\\Quorvex\\Drakmoor";

void RemoveTree(const std::string& dir) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string path = dir + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path + "\\");
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(dir.c_str());
}

} // namespace

ScratchGame::ScratchGame(const char* scriptsIni, const char* mainIni) {
    static int counter = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string unique = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    m_dir = std::string(temp) + "kestrune-game-" + unique + "\\";
    CreateDirectoryA(m_dir.c_str(), nullptr);
    CreateDirectoryA((m_dir + "Assets").c_str(), nullptr);
    CreateDirectoryA((m_dir + "Assets\\Scripts").c_str(), nullptr);
    if (scriptsIni)
        WriteFile(ScriptsIniPath(), scriptsIni);
    if (mainIni)
        WriteFile(MainIniPath(), mainIni);

    m_hiveName = "Software\\KestruneTests\\hive-" + unique;
    RegCreateKeyExA(HKEY_CURRENT_USER, m_hiveName.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &m_hive, nullptr);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_hive);
    HKEY game = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                    nullptr, &game, nullptr);
    std::string dir = m_dir.substr(0, m_dir.size() - 1); // as installers store it
    RegSetValueExA(game, "Directory", 0, REG_SZ, reinterpret_cast<const BYTE*>(dir.c_str()),
                   static_cast<DWORD>(dir.size() + 1));
    RegCloseKey(game);
}

ScratchGame::~ScratchGame() {
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegCloseKey(m_hive);
    RegDeleteTreeA(HKEY_CURRENT_USER, m_hiveName.c_str());
    RemoveTree(m_dir);
}

void ScratchGame::Unregister() {
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kGameKey, KEY_WOW64_32KEY, 0);
}

std::string ScratchGame::ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void ScratchGame::WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}
