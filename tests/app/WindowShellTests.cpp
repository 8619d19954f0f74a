// The window around the settings dialog: the About item of its system menu,
// the place of its icon while minimized, and the icon shown while dragging.

#include "ShellFixture.h"

#include "app/resource.h"
#include "dialog/MinimizedIcon.h"

#include <gtest/gtest.h>

TEST(MinimizedIcon, IsCentredWithDivisionTruncatingTowardZero) {
    // Client area (w x h) and where a 32 x 32 icon goes.
    const struct {
        int width, height, x, y;
    } cases[] = {
        {32, 32, 0, 0},   {36, 37, 2, 3}, {30, 30, 0, 0}, // (-2 + 1) / 2 is 0, not -1
        {31, 33, 0, 1},                                   // an odd difference rounds up
        {29, 28, -1, -1},                                 // (-4 + 1) / 2 is -1, not -2
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CenteredIconOffset(c.width, 32), c.x) << c.width << " x " << c.height;
        EXPECT_EQ(CenteredIconOffset(c.height, 32), c.y) << c.width << " x " << c.height;
    }
}

TEST_F(ShellFixture, DragCursorIsTheDialogsIcon) {
    ASSERT_NE(dialog->m_hIcon, nullptr);
    LRESULT cursor = SendMessageA(Window(), WM_QUERYDRAGICON, 0, 0);
    EXPECT_EQ(reinterpret_cast<HICON>(cursor), dialog->m_hIcon);
    // The same icon the window shows as its own.
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(Window(), WM_GETICON, ICON_BIG, 0)),
              dialog->m_hIcon);
}

TEST_F(ShellFixture, SystemMenuEndsWithSeparatorAndAboutItem) {
    HMENU menu = GetSystemMenu(Window(), FALSE);
    ASSERT_NE(menu, nullptr);
    int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);

    MENUITEMINFOA separator = {};
    separator.cbSize = sizeof(separator);
    separator.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoA(menu, count - 2, TRUE, &separator));
    EXPECT_TRUE(separator.fType & MFT_SEPARATOR);

    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    char text[64] = "";
    GetMenuStringA(menu, count - 1, text, sizeof(text), MF_BYPOSITION);
    EXPECT_STREQ(text, "&About Kestrune...");

    // Only once, though start-up has run.
    int aboutItems = 0;
    for (int i = 0; i < count; ++i)
        aboutItems += GetMenuItemID(menu, i) == static_cast<UINT>(IDM_ABOUTBOX) ? 1 : 0;
    EXPECT_EQ(aboutItems, 1);
}
