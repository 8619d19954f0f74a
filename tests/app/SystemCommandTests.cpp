// The system menu's About command and the About box it opens.

#include "ShellFixture.h"
#include "WindowText.h"

#include "app/resource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ButtonSeen {
    int id;
    std::string text;
    bool isDefault;
};

// What an About box shows, read while it is open.
struct AboutContents {
    std::string caption;
    HWND owner = nullptr;
    std::vector<std::string> lines; // the static texts, in creation order
    bool showsIcon = false;
    std::vector<ButtonSeen> buttons;
};

AboutContents Read(HWND about) {
    AboutContents seen;
    seen.caption = TextOf(about);
    seen.owner = GetWindow(about, GW_OWNER);
    for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if (ClassOf(child) == "Button")
            seen.buttons.push_back(
                {GetDlgCtrlID(child), TextOf(child), (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON});
        else if ((style & SS_TYPEMASK) == SS_ICON)
            seen.showsIcon = SendMessageA(child, STM_GETICON, 0, 0) != 0;
        else
            seen.lines.push_back(TextOf(child));
    }
    return seen;
}

} // namespace

TEST_F(ShellFixture, OnlyTheAboutCommandsOpenTheAboutBox) {
    // The system keeps the low four bits of a command for itself.
    const struct {
        UINT id;
        bool opensAbout;
    } cases[] = {
        {0x000F, false}, {0x0010, true}, {0x0015, true}, {0x001F, true}, {0x0020, false},
    };
    for (const auto& c : cases) {
        boxes->Clear();
        SystemCommand(c.id);
        EXPECT_EQ(BoxesWithCaption(kAboutCaption), c.opensAbout ? 1 : 0)
            << "system command 0x" << std::hex << c.id;
        EXPECT_TRUE(IsWindow(Window())) << "system command 0x" << std::hex << c.id;
    }
}

TEST_F(ShellFixture, AboutBoxOpensAgainAndAgainAndGivesTheDialogBack) {
    for (int round = 1; round <= 4; ++round) {
        HWND about = nullptr;
        bool dialogEnabledMeanwhile = true;
        boxes->OnBox([&](HWND box) {
            about = box;
            dialogEnabledMeanwhile = IsWindowEnabled(Window()) != FALSE;
        });
        SystemCommand(IDM_ABOUTBOX);

        ASSERT_NE(about, nullptr) << "round " << round;
        EXPECT_FALSE(dialogEnabledMeanwhile) << "round " << round;
        EXPECT_FALSE(IsWindow(about)) << "round " << round << ": the box is gone";
        EXPECT_TRUE(IsWindowEnabled(Window())) << "round " << round;
    }
    EXPECT_EQ(BoxesWithCaption(kAboutCaption), 4);

    // The dialog takes input again: a click still ticks a box.
    bool before = Checked(IDC_RACE_FEDERATION);
    Click(IDC_RACE_FEDERATION);
    EXPECT_NE(Checked(IDC_RACE_FEDERATION), before);
}

TEST_F(ShellFixture, AboutBoxShowsTheProgramAndOneOkButton) {
    AboutContents seen;
    boxes->OnBox([&](HWND box) { seen = Read(box); });
    SystemCommand(IDM_ABOUTBOX);

    EXPECT_EQ(seen.caption, kAboutCaption);
    EXPECT_EQ(seen.owner, Window());
    EXPECT_TRUE(seen.showsIcon);
    ASSERT_EQ(seen.lines.size(), 3u);
    EXPECT_EQ(seen.lines[0], "Kestrune 3.2 for Drakmoor");
    EXPECT_FALSE(seen.lines[1].empty());
    EXPECT_FALSE(seen.lines[2].empty());
    ASSERT_EQ(seen.buttons.size(), 1u);
    EXPECT_EQ(seen.buttons[0].id, IDOK);
    EXPECT_EQ(seen.buttons[0].text, "OK");
    EXPECT_TRUE(seen.buttons[0].isDefault);
}
