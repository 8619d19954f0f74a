// The built Kestrune.exe as a player runs it: the settings dialog comes up,
// the process ends with exit code 0 whatever closes the dialog, only OK
// touches the settings files, and message boxes carry the program's name.

#include "ProgramRun.h"
#include "WindowText.h"
#include "support/GameFiles.h"

#include <gtest/gtest.h>

namespace {

// Texts that a save would change: it writes "1.50" for 1.5, cuts the race set
// -1 to the eighteen race bits, and writes "2" for "2.0".
constexpr char kScriptsIni[] = "; mission scripts\r\n"
                               "[Mul_Arena]\r\n"
                               "rounds=3\r\n"
                               "\r\n"
                               "[Mul_Vorlane]\r\n"
                               "multiplier=1.5\r\n"
                               "type=1\r\n"
                               "rrace=38\r\n"
                               "srace=-1\r\n"
                               "hull=2040\r\n"
                               "era=2\r\n"
                               "\r\n"
                               "[Mul_Patrol]\r\n"
                               "waves=4\r\n";
constexpr char kMainIni[] = "[Video]\r\nWidth=1024\r\n\r\n[UI]\r\nUIType=2.0\r\n";

constexpr char kDialogCaption[] = "Kestrune for Drakmoor";

bool IsSettingsDialogReady(HWND window) {
    return TextOf(window) == kDialogCaption && IsWindowVisible(window) && IsWindowEnabled(window);
}

// A message box of the program: owned by its dialog.
bool IsMessageBox(HWND window) {
    return ClassOf(window) == "#32770" && GetWindow(window, GW_OWNER) != nullptr &&
           IsWindowVisible(window);
}

void Click(HWND dialog, int button) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

} // namespace

TEST(Program, EndsWithExitCodeZeroWhateverClosesTheDialog) {
    const struct {
        const char* closer;
        void (*close)(HWND dialog);
        bool saves;
    } cases[] = {
        {"Cancel", [](HWND d) { Click(d, IDCANCEL); }, false},
        {"Esc", [](HWND d) { PostMessageA(d, WM_KEYDOWN, VK_ESCAPE, 1); }, false},
        {"close box", [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, false},
        {"OK", [](HWND d) { Click(d, IDOK); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.closer);
        GameFiles game(kScriptsIni, kMainIni);
        GameRegistration registration;
        registration.Register(game.InstalledPath());

        ProgramRun run(KestruneExe());
        ASSERT_TRUE(run.Started()) << KestruneExe();
        HWND dialog =
            run.WaitForWindow([](HWND w) { return IsSettingsDialogReady(w) || IsMessageBox(w); });
        ASSERT_NE(dialog, nullptr) << "the settings dialog did not come up";
        ASSERT_EQ(TextOf(dialog), kDialogCaption)
            << "a message box came up: " << TextOf(GetDlgItem(dialog, 0xFFFF));
        c.close(dialog);

        DWORD code = 1234;
        ASSERT_TRUE(run.WaitForExit(code)) << "the process did not end";
        EXPECT_EQ(code, 0u);
        if (c.saves) {
            EXPECT_NE(game.ReadScriptsIni(), kScriptsIni);
            EXPECT_NE(game.ReadMainIni(), kMainIni);
        } else {
            EXPECT_EQ(game.ReadScriptsIni(), kScriptsIni);
            EXPECT_EQ(game.ReadMainIni(), kMainIni);
        }
    }
}

TEST(Program, MessageBoxesCarryTheProgramsFileName) {
    GameFiles folder(kScriptsIni, kMainIni);
    GameRegistration registration;
    registration.Unregister(); // so that start-up reports that it cannot read
    const struct {
        std::string exe;
        const char* title;
    } cases[] = {
        {KestruneExe(), "Kestrune"},
        {folder.CopyIn(KestruneExe(), "Other.exe"), "Other"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.exe);
        ProgramRun run(c.exe);
        ASSERT_TRUE(run.Started());
        HWND box = run.WaitForWindow(IsMessageBox);
        ASSERT_NE(box, nullptr) << "no message box";
        EXPECT_EQ(TextOf(box), c.title);
        EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), "Error reading from scripts.ini; code 2.");
        // The dialog keeps the caption of its template.
        EXPECT_EQ(TextOf(GetWindow(box, GW_OWNER)), kDialogCaption);
        Click(box, IDOK);

        HWND dialog = run.WaitForWindow(IsSettingsDialogReady);
        ASSERT_NE(dialog, nullptr);
        Click(dialog, IDCANCEL);
        DWORD code = 1234;
        ASSERT_TRUE(run.WaitForExit(code));
        EXPECT_EQ(code, 0u);
    }
}
