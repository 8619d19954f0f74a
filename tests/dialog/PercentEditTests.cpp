// The odds fields: only digits can be typed, and a field corrects its value
// when it loses the focus.

#include "app/resource.h"
#include "support/DialogFixture.h"

#include <cstring>

namespace {

class PercentEditTest : public DialogFixture {
protected:
    HWND Field() const { return Item(IDC_ODDS_CARRIER); }
    void Type(WPARAM character) const { SendMessageA(Field(), WM_CHAR, character, 1); }
    void TypeText(const char* text) const {
        for (; *text; ++text)
            Type(static_cast<unsigned char>(*text));
    }
    void Reset(const char* text) const {
        SetWindowTextA(Field(), text);
        WPARAM end = strlen(text);
        SendMessageA(Field(), EM_SETSEL, end, static_cast<LPARAM>(end)); // caret at the end
    }
};

TEST_F(PercentEditTest, OnlyDigitsBackspaceAndTabReachTheField) {
    Reset("");
    TypeText("1a -.+2");
    EXPECT_EQ(Text(IDC_ODDS_CARRIER), "12");
    Type('\b');
    EXPECT_EQ(Text(IDC_ODDS_CARRIER), "1");
    for (WPARAM control : {0x01, 0x03, 0x16, 0x18, 0x1A, 0x0D, 0x1B, 0x7F})
        Type(control);
    EXPECT_EQ(Text(IDC_ODDS_CARRIER), "1");
}

TEST_F(PercentEditTest, PasteShortcutIsDroppedLikeAnyOtherCharacter) {
    ASSERT_TRUE(OpenClipboard(dialog->Window()));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 3);
    memcpy(GlobalLock(memory), "77", 3);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();

    Reset("4");
    Type(0x16); // Ctrl+V
    EXPECT_EQ(Text(IDC_ODDS_CARRIER), "4");
    SendMessageA(Field(), WM_PASTE, 0, 0); // the context menu's route is not filtered
    EXPECT_EQ(Text(IDC_ODDS_CARRIER), "477");
}

TEST_F(PercentEditTest, AFourthDigitIsRefused) {
    Reset("");
    TypeText("1234");
    EXPECT_EQ(Text(IDC_ODDS_CARRIER), "123");
}

TEST_F(PercentEditTest, LosingTheFocusCorrectsTheValue) {
    struct Case {
        const char* typed;
        const char* corrected;
    } cases[] = {
        {"150", "100"}, {"100", "100"}, {"99", "99"}, {"007", "7"},     {"0", "0"},
        {"00", "00"},   {"000", "000"}, {"", ""},     {"5a", "5"},      {"+5", "5"},
        {" 42", "42"},  {"a5", "a5"},   {"-5", "-5"}, {"-128", "-128"},
    };
    for (const Case& c : cases) {
        SetFocus(Field());
        SetWindowTextA(Field(), c.typed);
        SetFocus(Item(IDC_ODDS_FRIGATE));
        EXPECT_EQ(Text(IDC_ODDS_CARRIER), c.corrected) << '"' << c.typed << '"';
    }
}

TEST_F(PercentEditTest, AMessageBoxTakingTheFocusCorrectsTheField) {
    SetFocus(Field());
    SetWindowTextA(Field(), "250");
    dialog->ShowMessage("A message");
    EXPECT_EQ(Text(IDC_ODDS_CARRIER), "100");
    ASSERT_EQ(boxes->Seen().size(), 1u);
}

} // namespace
