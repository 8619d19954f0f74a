#include "support/GameFiles.h"

GameFiles::GameFiles(const char* scriptsIni, const char* mainIni) {
    MakeFolder(Directory() + "Assets");
    MakeFolder(ScriptsFolder());
    if (scriptsIni)
        WriteFileBytes(ScriptsIniPath(), scriptsIni);
    if (mainIni)
        WriteFileBytes(MainIniPath(), mainIni);
}

std::string GameFiles::CopyIn(const std::string& file, const std::string& name) const {
    const std::string copy = Directory() + name;
    CopyFileA(file.c_str(), copy.c_str(), FALSE);
    return copy;
}
