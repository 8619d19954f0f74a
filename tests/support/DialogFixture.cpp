#include "support/DialogFixture.h"

#include "app/resource.h"

const char kShippedScriptsIni[] = "; Mission settings read by the multiplayer scripts\r\n"
                                  "[Mul_Arena]\r\n"
                                  "rounds=3\r\n"
                                  "\r\n"
                                  "[Mul_Vorlane]\r\n"
                                  "multiplier=1.50\r\n"
                                  "type=0\r\n"
                                  "rrace=5\r\n"
                                  "srace=262143\r\n"
                                  "race=0\r\n"
                                  "hull=8184\r\n"
                                  "hullpercentA=1093813840\r\n"
                                  "hullpercentB=339160380\r\n"
                                  "hullpercentC=657950\r\n"
                                  "era=2\r\n"
                                  "ModSupport=5\r\n"
                                  "\r\n"
                                  "; other missions follow\r\n"
                                  "[Mul_Patrol]\r\n"
                                  "waves=4\r\n";

const char kShippedMainIni[] = "[Video]\r\nwidth=1024\r\n[UI]\r\nUIType=2\r\n";

void DialogFixture::Open(const char* scriptsIni, const char* mainIni) {
    dialog.reset();
    boxes.reset();
    game.reset(); // its end undoes the registry redirection, so before the new one
    game = std::make_unique<ScratchGame>(scriptsIni, mainIni);
    boxes = std::make_unique<MessageBoxWatcher>();
    dialog = std::make_unique<MissionSetupDialog>();
    ASSERT_TRUE(dialog->Create()) << "the dialog could not be created";
    PumpMessages();
}

void DialogFixture::TearDown() {
    dialog.reset();
    boxes.reset();
    game.reset();
}

void DialogFixture::Confirm() const {
    SendMessageA(dialog->Window(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(IDOK)));
    PumpMessages();
}

void DialogFixture::SelectRaceMode(const char* text) const {
    HWND combo = Item(IDC_RACE_MODE);
    LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(text));
    SendMessageA(combo, CB_SETCURSEL, index, 0);
    // The list notifies its dialog as it does when the user picks an item.
    SendMessageA(dialog->Window(), WM_COMMAND, MAKEWPARAM(IDC_RACE_MODE, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}
