#include "dialog/PercentEdit.h"

#include "dialog/OddsText.h"
#include "settings/TextForms.h"

#include <algorithm>

namespace {

constexpr int kMaxPercent = 100;
constexpr int kReadChars = 15;

bool PassesFilter(WPARAM character) {
    return (character >= '0' && character <= '9') || character == '\b' || character == '\t';
}

} // namespace

LRESULT PercentEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR:
        // Everything but digits, backspace and tab is dropped without a sound.
        return PassesFilter(wParam) ? Default(message, wParam, lParam) : 0;
    case WM_KILLFOCUS: {
        LRESULT result = Default(message, wParam, lParam);
        CorrectText();
        return result;
    }
    default:
        return Default(message, wParam, lParam);
    }
}

void PercentEdit::CorrectText() {
    std::string text = GetText(kReadChars);
    int value = std::min(LeadingInteger(text), kMaxPercent);
    // A zero keeps its text as typed: "00" stays "00", a non-number stays as it is.
    if (value != 0)
        text = FormatInt(value);
    SetText(text);
}
