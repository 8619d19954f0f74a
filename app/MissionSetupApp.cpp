#include "app/MissionSetupApp.h"

#include "dialog/MissionSetupDialog.h"

// Dynamically initialised; theSettings needs no dynamic initialisation (it is
// all zero), so it is ready before this object, whatever the link order.
MissionSetupApp theApp;

bool MissionSetupApp::InitializeApplication() {
    MissionSetupDialog dialog;
    SetMainWindow(&dialog);
    // OK, Cancel and a dialog that could not be created all end the program alike.
    dialog.RunModal();
    return false;
}
