#pragma once
// A game installation of the test's own: a temporary game directory with the
// two settings files, registered as the game's directory in a registry hive
// that stands in for HKEY_LOCAL_MACHINE while the object lives.

#include <windows.h>

#include <string>

class ScratchGame {
public:
    // scriptsIni / mainIni: the files' texts; nullptr leaves a file out.
    ScratchGame(const char* scriptsIni, const char* mainIni);
    ~ScratchGame();
    ScratchGame(const ScratchGame&) = delete;
    ScratchGame& operator=(const ScratchGame&) = delete;

    const std::string& Directory() const { return m_dir; } // ends in a backslash
    std::string ScriptsIniPath() const { return m_dir + "Assets\\Scripts\\scripts.ini"; }
    std::string MainIniPath() const { return m_dir + "drakmoor.ini"; }
    std::string ReadScriptsIni() const { return ReadFile(ScriptsIniPath()); }
    std::string ReadMainIni() const { return ReadFile(MainIniPath()); }

    // Removes the game's registry key, so the next lookup fails.
    void Unregister();

    static std::string ReadFile(const std::string& path);
    static void WriteFile(const std::string& path, const std::string& text);

private:
    std::string m_dir;
    std::string m_hiveName;
    HKEY m_hive = nullptr;
};
