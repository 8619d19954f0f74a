#pragma once
// The settings dialog on a scratch game, made the application's main window
// as the program's start-up makes it, so that the boxes it opens are owned by
// it. Owned boxes are read and closed with OK by the fixture's watcher.

#include "framework/Application.h"
#include "support/DialogFixture.h"

#include <string>

constexpr char kDialogCaption[] = "Kestrune for Drakmoor";
constexpr char kAboutCaption[] = "About Kestrune for Drakmoor";

class ShellFixture : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        SetMainWindow(dialog.get());
        boxes->Clear(); // start-up's own boxes are the dialog's tests' business
    }

    HWND Window() const { return dialog->Window(); }

    // A command of the system menu, as the menu sends it.
    void SystemCommand(UINT id) const {
        SendMessageA(Window(), WM_SYSCOMMAND, id, 0);
        PumpMessages();
    }

    int BoxesWithCaption(const std::string& caption) const {
        int count = 0;
        for (const SeenBox& box : boxes->Seen())
            count += box.caption == caption ? 1 : 0;
        return count;
    }
};
