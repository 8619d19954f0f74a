#pragma once
// A game installation of the test's own, registered as the game's directory
// in a registry hive that stands in for HKEY_LOCAL_MACHINE while the object
// lives.

#include "support/GameFiles.h"
#include "support/Sandbox.h"

class ScratchGame : public GameFiles {
public:
    // scriptsIni / mainIni: the files' texts; nullptr leaves a file out.
    ScratchGame(const char* scriptsIni, const char* mainIni) : GameFiles(scriptsIni, mainIni) {
        m_registry.SetDirectoryText(InstalledPath());
    }

    // Removes the game's registry key, so the next lookup fails.
    void Unregister() { m_registry.RemoveGameKey(); }

private:
    RegistrySandbox m_registry;
};
