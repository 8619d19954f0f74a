#pragma once
// A game installation's files in a temporary folder of the test's own: the
// scripts folder and the two settings files, removed with the folder.

#include "support/Sandbox.h"

#include <string>

class GameFiles {
public:
    // scriptsIni / mainIni: the files' texts; nullptr leaves a file out.
    GameFiles(const char* scriptsIni, const char* mainIni);

    const std::string& Directory() const { return m_folder.Path(); } // ends in a backslash
    // The directory as installers store it in the registry: no final backslash.
    std::string InstalledPath() const { return Directory().substr(0, Directory().size() - 1); }
    std::string ScriptsFolder() const { return Directory() + "Assets\\Scripts\\"; }
    std::string ScriptsIniPath() const { return ScriptsFolder() + "scripts.ini"; }
    std::string MainIniPath() const { return Directory() + "drakmoor.ini"; }
    std::string ReadScriptsIni() const { return ReadFileBytes(ScriptsIniPath()); }
    std::string ReadMainIni() const { return ReadFileBytes(MainIniPath()); }

    // A copy of a file under another name in the game directory.
    std::string CopyIn(const std::string& file, const std::string& name) const;

private:
    TempFolder m_folder;
};
