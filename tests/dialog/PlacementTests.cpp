// Where the dialogs open: their templates ask for no place of their own, so
// the settings dialog is centred on the screen and the About box on its owner.

#include "dialog/AboutDialog.h"
#include "support/DialogFixture.h"

namespace {

POINT CenterOf(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

RECT WindowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

using PlacementTest = DialogFixture;

TEST_F(PlacementTest, SettingsDialogOpensInTheMiddleOfTheWorkArea) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoA(MonitorFromWindow(dialog->Window(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT box = WindowRect(dialog->Window());
    ASSERT_LT(box.right - box.left, monitor.rcWork.right - monitor.rcWork.left);
    EXPECT_NEAR(CenterOf(box).x, CenterOf(monitor.rcWork).x, 1);
    EXPECT_NEAR(CenterOf(box).y, CenterOf(monitor.rcWork).y, 1);
}

TEST_F(PlacementTest, AboutBoxOpensCentredOnItsOwner) {
    ShowWindow(dialog->Window(), SW_SHOW);
    AboutDialog about;
    ASSERT_TRUE(about.Create(dialog->Window()));
    EXPECT_NEAR(CenterOf(WindowRect(about.Window())).x, CenterOf(WindowRect(dialog->Window())).x,
                1);
    EXPECT_NEAR(CenterOf(WindowRect(about.Window())).y, CenterOf(WindowRect(dialog->Window())).y,
                1);
}

} // namespace
