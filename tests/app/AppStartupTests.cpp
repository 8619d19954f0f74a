// The program's start-up: the settings dialog as the application's unowned,
// modal main window, and nothing left once it closes.

#include "IdleScript.h"
#include "ShellFixture.h"

#include "app/MissionSetupApp.h"
#include "app/resource.h"

#include <gtest/gtest.h>

TEST(ApplicationStartup, RunsTheSettingsDialogAsTheMainWindowUntilItCloses) {
    ScratchGame game(kShippedScriptsIni, kShippedMainIni);
    MessageBoxWatcher boxes;
    HWND shown = nullptr;
    HWND owner = nullptr;
    bool isMainWindow = false;
    IdleScript script(kDialogCaption,
                      {
                          [&](HWND dialog) {
                              shown = dialog;
                              owner = GetWindow(dialog, GW_OWNER);
                              isMainWindow = MainWindow() && MainWindow()->Window() == dialog;
                              PostMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
                          },
                          [&](HWND dialog) {
                              PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                          },
                      });

    EXPECT_FALSE(theApp.InitializeApplication()) << "no message loop follows";

    EXPECT_TRUE(script.Done());
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(owner, nullptr) << "a top-level window of its own";
    EXPECT_TRUE(isMainWindow);
    EXPECT_FALSE(IsWindow(shown)) << "no window remains";
    EXPECT_EQ(MainWindow(), nullptr);
    // The About box that its system menu opened belonged to it.
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].caption, kAboutCaption);
    EXPECT_EQ(boxes.Seen()[0].owner, shown);
}
