#pragma once
// The settings dialog created modelessly on a game installation of the
// test's own, with its message boxes watched.

#include "dialog/MissionSetupDialog.h"
#include "support/MessageBoxWatcher.h"
#include "support/ScratchGame.h"

#include <gtest/gtest.h>

#include <memory>

// A scripts.ini as the game ships it, with the mission's section among others.
extern const char kShippedScriptsIni[];
extern const char kShippedMainIni[];

class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override { Open(kShippedScriptsIni, kShippedMainIni); }

    // Opens the dialog on these file texts (nullptr: no such file).
    void Open(const char* scriptsIni, const char* mainIni);

    HWND Item(int id) const { return dialog->Item(id); }
    std::string Text(int id) const { return dialog->GetItemText(id, 255); }
    bool Checked(int id) const { return dialog->IsChecked(id); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    // A click as the user makes it: the box toggles itself and notifies the dialog.
    void Click(int id) const { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    void Confirm() const;
    void SelectRaceMode(const char* text) const;

    std::unique_ptr<ScratchGame> game;
    std::unique_ptr<MessageBoxWatcher> boxes;
    std::unique_ptr<MissionSetupDialog> dialog;

    void TearDown() override;
};
