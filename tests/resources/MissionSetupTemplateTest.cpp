// The settings dialog's template as the resource compiler wrote it, and the
// dialog that the platform builds from it.

#include "app/resource.h"
#include "resources/DialogTemplate.h"
#include "resources/ExpectedMissionSetup.h"
#include "resources/TestWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD kChildVisible = WS_CHILD | WS_VISIBLE;

bool IsEraButton(int id) {
    return id >= IDC_ERA_EARLY && id <= IDC_ERA_GAME;
}

// Class names match without regard to case (a name written into a template
// is stored in capitals).
bool SameClass(const std::string& a, const char* b) {
    return lstrcmpiA(a.c_str(), b) == 0;
}

std::string Place(size_t index) {
    return "control " + std::to_string(index + 1) + " in order";
}

TEST(MissionSetupTemplate, HeaderHoldsCaptionFontPlaceAndStyles) {
    DialogTemplate dialog;
    ASSERT_TRUE(ReadDialogTemplate(IDD_MISSION_SETUP, dialog));
    EXPECT_EQ(dialog.style,
              static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                                 WS_MINIMIZEBOX | DS_SETFOREGROUND | DS_SETFONT | DS_3DLOOK));
    EXPECT_EQ(dialog.exStyle, static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ(dialog.title, "Kestrune for Drakmoor");
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, 372);
    EXPECT_EQ(dialog.cy, 332);
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.weight, FW_NORMAL);
    EXPECT_EQ(dialog.italic, 0);
    EXPECT_EQ(dialog.charset, DEFAULT_CHARSET);
    EXPECT_EQ(dialog.face, "MS Sans Serif");
    EXPECT_EQ(dialog.menu.ordinal, 0);
    EXPECT_EQ(dialog.menu.text, "");
    EXPECT_EQ(dialog.windowClass.ordinal, 0);
    EXPECT_EQ(dialog.windowClass.text, "");
}

TEST(MissionSetupTemplate, ControlsHoldExactlyTheirKindsStylesPlacesAndTexts) {
    DialogTemplate dialog;
    ASSERT_TRUE(ReadDialogTemplate(IDD_MISSION_SETUP, dialog));
    ASSERT_EQ(dialog.controls.size(), kMissionSetupControlCount);
    for (size_t i = 0; i < kMissionSetupControlCount; ++i) {
        SCOPED_TRACE(Place(i));
        const ExpectedControl& want = kMissionSetupControls[i];
        const TemplateControl& got = dialog.controls[i];
        EXPECT_EQ(got.id, want.id);
        EXPECT_TRUE(SameClass(got.windowClass, StyleOf(want.kind).windowClass)) << got.windowClass;
        EXPECT_EQ(got.style, kChildVisible | StyleOf(want.kind).style);
        EXPECT_EQ(got.exStyle, 0u);
        EXPECT_EQ(got.title.ordinal, 0);
        EXPECT_EQ(got.title.text, want.text);
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.cx, want.cx);
        EXPECT_EQ(got.cy, want.cy);
        EXPECT_EQ(got.extraBytes, 0);
    }
}

class MissionSetupDialogTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(dialog.hwnd(), nullptr) << GetLastError(); }

    HWND control(int id) const { return GetDlgItem(dialog.hwnd(), id); }

    TemplateDialog dialog{IDD_MISSION_SETUP};
};

// The style bits that the controls keep as created. The dialog manager may
// turn an edit field's WS_BORDER into the sunken WS_EX_CLIENTEDGE, so a border
// is either; a combo box hands WS_VSCROLL on to its list, which shows the bar
// only while it needs one.
constexpr DWORD kLiveStyleBits =
    WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_TABSTOP | WS_GROUP | 0xFFFF;

bool HasBorder(HWND window) {
    return (WindowStyle(window) & WS_BORDER) || (WindowExStyle(window) & WS_EX_CLIENTEDGE);
}

TEST_F(MissionSetupDialogTest, CreatesEveryControlInTemplateOrder) {
    std::vector<HWND> children = ChildWindows(dialog.hwnd());
    ASSERT_EQ(children.size(), kMissionSetupControlCount);
    for (size_t i = 0; i < kMissionSetupControlCount; ++i) {
        SCOPED_TRACE(Place(i));
        const ExpectedControl& want = kMissionSetupControls[i];
        HWND child = children[i];
        EXPECT_EQ(GetDlgCtrlID(child), want.id);
        EXPECT_EQ(WindowClass(child), StyleOf(want.kind).windowClass);
        EXPECT_EQ(WindowText(child), want.text);
        DWORD style = kChildVisible | StyleOf(want.kind).style;
        EXPECT_EQ(WindowStyle(child) & kLiveStyleBits, style & kLiveStyleBits);
        EXPECT_EQ(HasBorder(child), (style & WS_BORDER) != 0);
    }
}

TEST_F(MissionSetupDialogTest, DialogHasMinimizeBoxAndSizingBorderButNoMaximizeBox) {
    DWORD style = WindowStyle(dialog.hwnd());
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0u);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0u);
    EXPECT_NE(style & WS_THICKFRAME, 0u);
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_NE(style & WS_SYSMENU, 0u);
    EXPECT_NE(style & WS_POPUP, 0u);
    DWORD exStyle = WindowExStyle(dialog.hwnd());
    EXPECT_NE(exStyle & WS_EX_APPWINDOW, 0u);
    EXPECT_EQ(exStyle & WS_EX_DLGMODALFRAME, 0u);
    EXPECT_EQ(WindowText(dialog.hwnd()), "Kestrune for Drakmoor");
}

TEST_F(MissionSetupDialogTest, ComboStylesKeepAiLevelsInOrderAndSortRaceModes) {
    for (const ComboItem& item : kComboItems)
        ASSERT_GE(SendMessageA(control(item.controlId), CB_ADDSTRING, 0,
                               reinterpret_cast<LPARAM>(item.text)),
                  0);
    struct ListCase {
        int id;
        std::vector<std::string> items;
    };
    const ListCase cases[] = {
        {IDC_AI_LEVEL, {"Captain", "Commodore", "Admiral"}},
        {IDC_RACE_MODE, {"Mixed", "Single"}},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.id);
        HWND combo = control(c.id);
        std::vector<std::string> shown;
        LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char text[64] = {};
            SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            shown.push_back(text);
        }
        EXPECT_EQ(shown, c.items);
    }
}

TEST_F(MissionSetupDialogTest, TabVisitsEveryTabStopInOrderFromTheSliderAndNoEraButton) {
    std::vector<int> expected;
    for (const ExpectedControl& c : kMissionSetupControls)
        if (StyleOf(c.kind).style & WS_TABSTOP)
            expected.push_back(c.id);
    ASSERT_EQ(expected.front(), IDC_DIFFICULTY);

    HWND slider = control(IDC_DIFFICULTY);
    EXPECT_EQ(GetNextDlgTabItem(dialog.hwnd(), nullptr, FALSE), slider);
    EXPECT_EQ(GetFocus(), slider);
    std::vector<int> visited;
    HWND at = slider;
    do {
        int id = GetDlgCtrlID(at);
        EXPECT_FALSE(IsEraButton(id)) << id;
        visited.push_back(id);
        at = GetNextDlgTabItem(dialog.hwnd(), at, FALSE);
    } while (at != nullptr && at != slider && visited.size() <= kMissionSetupControlCount);
    EXPECT_EQ(at, slider);
    EXPECT_EQ(visited, expected);
}

TEST_F(MissionSetupDialogTest, ClickingAnEraButtonClearsTheOtherFour) {
    for (int clicked = IDC_ERA_EARLY; clicked <= IDC_ERA_GAME; ++clicked) {
        SendMessageA(control(clicked), BM_CLICK, 0, 0);
        for (int id = IDC_ERA_EARLY; id <= IDC_ERA_GAME; ++id)
            EXPECT_EQ(IsDlgButtonChecked(dialog.hwnd(), id),
                      id == clicked ? BST_CHECKED : BST_UNCHECKED)
                << "clicked " << clicked << ", looked at " << id;
    }
}

} // namespace
