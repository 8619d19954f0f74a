#pragma once
// A game installation of the test's own: a temporary game directory with the
// two settings files, registered as the game's directory in a registry hive
// that stands in for HKEY_LOCAL_MACHINE while the object lives.

#include "support/Sandbox.h"

#include <string>

class ScratchGame {
public:
    // scriptsIni / mainIni: the files' texts; nullptr leaves a file out.
    ScratchGame(const char* scriptsIni, const char* mainIni);

    const std::string& Directory() const { return m_folder.Path(); } // ends in a backslash
    std::string ScriptsIniPath() const { return Directory() + "Assets\\Scripts\\scripts.ini"; }
    std::string MainIniPath() const { return Directory() + "drakmoor.ini"; }
    std::string ReadScriptsIni() const { return ReadFile(ScriptsIniPath()); }
    std::string ReadMainIni() const { return ReadFile(MainIniPath()); }

    // Removes the game's registry key, so the next lookup fails.
    void Unregister() { m_registry.RemoveGameKey(); }

    static std::string ReadFile(const std::string& path) { return ReadFileBytes(path); }
    static void WriteFile(const std::string& path, const std::string& text) {
        WriteFileBytes(path, text);
    }

private:
    RegistrySandbox m_registry;
    TempFolder m_folder;
};
