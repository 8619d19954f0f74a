// F1: the help viewer is asked for the context of the dialog it was pressed
// in, from the help file named after the program; a viewer that fails is
// reported in a message box.

#include "ShellFixture.h"

#include "app/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

struct HelpCall {
    HWND window;
    std::string file;
    UINT command;
    ULONG_PTR data;
};

std::vector<HelpCall> g_calls;
BOOL g_viewerAnswer = TRUE;

BOOL WINAPI RecordingViewer(HWND window, LPCSTR file, UINT command, ULONG_PTR data) {
    g_calls.push_back({window, file ? file : "", command, data});
    return g_viewerAnswer;
}

std::string ModulePath() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// The program's path with its extension replaced.
std::string HelpFileOfThisProgram() {
    std::string path = ModulePath();
    return path.substr(0, path.rfind('.')) + ".HLP";
}

std::string NameOfThisProgram() {
    std::string path = ModulePath();
    size_t start = path.rfind('\\') + 1;
    return path.substr(start, path.rfind('.') - start);
}

// F1 as the system reports it to the window with the focus.
void PressF1(HWND window) {
    HELPINFO info = {};
    info.cbSize = sizeof(info);
    info.iContextType = HELPINFO_WINDOW;
    info.hItemHandle = window;
    SendMessageA(window, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

class HelpKey : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        g_calls.clear();
        g_viewerAnswer = TRUE;
        m_previous = SetHelpViewer(RecordingViewer);
    }
    void TearDown() override {
        SetHelpViewer(m_previous);
        ShellFixture::TearDown();
    }

private:
    HelpViewer m_previous = nullptr;
};

} // namespace

TEST_F(HelpKey, SettingsDialogAsksForItsContext) {
    PressF1(Window());
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].command, static_cast<UINT>(HELP_CONTEXT));
    EXPECT_EQ(g_calls[0].data, 0x20000u + IDD_MISSION_SETUP);
    EXPECT_EQ(g_calls[0].window, Window());
    EXPECT_EQ(g_calls[0].file, HelpFileOfThisProgram());
    EXPECT_TRUE(boxes->Seen().empty()) << "a viewer that answers raises no box";
}

TEST_F(HelpKey, AboutBoxAsksForItsContext) {
    HWND about = nullptr;
    boxes->OnBox([&](HWND box) {
        about = box;
        PressF1(box);
    });
    SystemCommand(IDM_ABOUTBOX);
    ASSERT_NE(about, nullptr);
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].command, static_cast<UINT>(HELP_CONTEXT));
    EXPECT_EQ(g_calls[0].data, 0x20000u + IDD_ABOUTBOX);
    EXPECT_EQ(g_calls[0].window, about);
    EXPECT_EQ(g_calls[0].file, HelpFileOfThisProgram());
}

TEST_F(HelpKey, IsLeftAloneWithAModifierHeld) {
    BYTE normal[256];
    ASSERT_TRUE(GetKeyboardState(normal));
    for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
        BYTE held[256];
        std::copy(normal, normal + 256, held);
        held[key] = 0x80;
        SetKeyboardState(held);
        PressF1(Window());
        SetKeyboardState(normal);
        EXPECT_TRUE(g_calls.empty()) << "virtual key " << key;
        g_calls.clear();
    }
    PressF1(Window());
    EXPECT_EQ(g_calls.size(), 1u) << "F1 alone, once the keys are up again";
}

TEST_F(HelpKey, FailingViewerIsReported) {
    g_viewerAnswer = FALSE;
    PressF1(Window());
    EXPECT_EQ(g_calls.size(), 1u);
    ASSERT_EQ(boxes->Seen().size(), 1u);
    const SeenBox& box = boxes->Seen()[0];
    EXPECT_EQ(box.text, "The help file could not be opened.");
    EXPECT_EQ(box.caption, NameOfThisProgram());
    EXPECT_EQ(box.caption, ApplicationTitle());
    EXPECT_EQ(box.owner, Window());
    EXPECT_EQ(box.icon, LoadIconA(nullptr, IDI_EXCLAMATION));
    EXPECT_NE(box.icon, LoadIconA(nullptr, IDI_ASTERISK));
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
}
