// The entry point of Kestrune.exe.

#include "app/MissionSetupApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return theApp.Run();
}
