// The About box's template as written and as the platform builds it.

#include "app/resource.h"
#include "resources/DialogTemplate.h"
#include "resources/TestWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD kChildVisible = WS_CHILD | WS_VISIBLE;

struct AboutControl {
    int id;
    const char* windowClass;
    DWORD style;      // besides WS_CHILD and WS_VISIBLE
    const char* text; // nullptr: a credit line, any short text of ours
    short x, y, cx, cy;
};

// In creation order. The first control shows the icon; its title is the icon's id.
const AboutControl kAboutControls[] = {
    {IDC_STATIC, "Static", SS_ICON, "", 11, 17, 21, 20},
    {IDC_STATIC, "Static", SS_LEFT | SS_NOPREFIX | WS_GROUP, "Kestrune 3.2 for Drakmoor", 40, 10,
     119, 8},
    {IDC_STATIC, "Static", SS_LEFT | WS_GROUP, nullptr, 40, 25, 120, 8},
    {IDOK, "Button", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, "OK", 178, 7, 50, 14},
    {IDC_STATIC, "Static", SS_LEFT | WS_GROUP, nullptr, 40, 33, 89, 8},
};
constexpr size_t kAboutControlCount = sizeof(kAboutControls) / sizeof(kAboutControls[0]);
constexpr size_t kIconControl = 0;

std::string Place(size_t index) {
    return "control " + std::to_string(index + 1) + " in order";
}

TEST(AboutBoxTemplate, HeaderHoldsCaptionFontPlaceAndStyles) {
    DialogTemplate about;
    ASSERT_TRUE(ReadDialogTemplate(IDD_ABOUTBOX, about));
    EXPECT_EQ(about.style,
              static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(about.exStyle, 0u);
    EXPECT_EQ(about.title, "About Kestrune for Drakmoor");
    EXPECT_EQ(about.x, 0);
    EXPECT_EQ(about.y, 0);
    EXPECT_EQ(about.cx, 235);
    EXPECT_EQ(about.cy, 55);
    EXPECT_EQ(about.pointSize, 8);
    EXPECT_EQ(about.face, "MS Sans Serif");
}

TEST(AboutBoxTemplate, ControlsHoldExactlyTheirStylesPlacesAndTexts) {
    DialogTemplate about;
    ASSERT_TRUE(ReadDialogTemplate(IDD_ABOUTBOX, about));
    ASSERT_EQ(about.controls.size(), kAboutControlCount);
    for (size_t i = 0; i < kAboutControlCount; ++i) {
        SCOPED_TRACE(Place(i));
        const AboutControl& want = kAboutControls[i];
        const TemplateControl& got = about.controls[i];
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.windowClass, want.windowClass); // predefined classes by ordinal
        EXPECT_EQ(got.style, kChildVisible | want.style);
        EXPECT_EQ(got.exStyle, 0u);
        EXPECT_EQ(got.title.ordinal, i == kIconControl ? IDR_MAINFRAME : 0);
        if (want.text != nullptr) {
            EXPECT_EQ(got.title.text, want.text);
        } else {
            EXPECT_FALSE(got.title.text.empty());
        }
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.cx, want.cx);
        EXPECT_EQ(got.cy, want.cy);
    }
}

class AboutBoxTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(about.hwnd(), nullptr) << GetLastError();
        children = ChildWindows(about.hwnd());
        ASSERT_EQ(children.size(), kAboutControlCount);
    }

    TemplateDialog about{IDD_ABOUTBOX};
    std::vector<HWND> children;
};

TEST_F(AboutBoxTest, ShowsCaptionTextsAndIconAndStaysHiddenUntilRun) {
    EXPECT_EQ(WindowText(about.hwnd()), "About Kestrune for Drakmoor");
    EXPECT_FALSE(IsWindowVisible(about.hwnd()));
    for (size_t i = 0; i < kAboutControlCount; ++i) {
        SCOPED_TRACE(Place(i));
        EXPECT_EQ(GetDlgCtrlID(children[i]), kAboutControls[i].id);
        EXPECT_EQ(WindowClass(children[i]), kAboutControls[i].windowClass);
        if (i != kIconControl && kAboutControls[i].text != nullptr) {
            EXPECT_EQ(WindowText(children[i]), kAboutControls[i].text);
        }
    }
    EXPECT_NE(SendMessageA(children[kIconControl], STM_GETICON, 0, 0), 0);
}

TEST_F(AboutBoxTest, OkIsTheOnlyButtonAndTheOnlyTabStop) {
    HWND ok = GetDlgItem(about.hwnd(), IDOK);
    ASSERT_NE(ok, nullptr);
    int buttons = 0;
    for (HWND child : children)
        buttons += WindowClass(child) == "Button";
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(WindowStyle(ok) & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(GetNextDlgTabItem(about.hwnd(), nullptr, FALSE), ok);
    EXPECT_EQ(GetNextDlgTabItem(about.hwnd(), ok, FALSE), ok);
}

TEST_F(AboutBoxTest, CreditLinesFitTheirControls) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(about.hwnd(), WM_GETFONT, 0, 0));
    for (size_t i = 0; i < kAboutControlCount; ++i) {
        if (kAboutControls[i].text != nullptr)
            continue;
        SCOPED_TRACE(Place(i));
        std::string text = WindowText(children[i]);
        EXPECT_FALSE(text.empty());
        HDC dc = GetDC(children[i]);
        HGDIOBJ old = SelectObject(dc, font);
        SIZE extent{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, old);
        ReleaseDC(children[i], dc);
        RECT client{};
        GetClientRect(children[i], &client);
        EXPECT_LE(extent.cx, client.right) << text;
    }
}

} // namespace
