#include "support/ScratchGame.h"

ScratchGame::ScratchGame(const char* scriptsIni, const char* mainIni) {
    MakeFolder(Directory() + "Assets");
    MakeFolder(Directory() + "Assets\\Scripts");
    if (scriptsIni)
        WriteFile(ScriptsIniPath(), scriptsIni);
    if (mainIni)
        WriteFile(MainIniPath(), mainIni);
    // Stored without the final backslash, as installers store it.
    m_registry.SetDirectoryText(Directory().substr(0, Directory().size() - 1));
}
