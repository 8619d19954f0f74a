#pragma once
// The program: its one application object, whose start-up runs the settings
// dialog as the modal main window.

#include "framework/Application.h"

class MissionSetupApp : public Application {
public:
    // Runs the settings dialog once; false, so that no message loop follows
    // and the process ends when the dialog closes.
    bool InitializeApplication() override;
};

// The process-wide application object.
extern MissionSetupApp theApp;
