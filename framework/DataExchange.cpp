#include "framework/DataExchange.h"

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "settings/TextForms.h"

#include <windows.h>

#include <algorithm>
#include <limits>

namespace {

constexpr int kFloatPrecision = 6;
constexpr int kFloatTextChars = 31;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The number a float field holds: blanks around it are allowed, anything else
// is not, and a zero must be written with the digit 0.
bool ConvertFloatText(const std::string& text, double& value) {
    size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    std::string_view rest(text.data() + at, text.size() - at);
    FloatPrefix number = ParseFloatPrefix(rest);
    if (number.value == 0.0 && (rest.empty() || rest[0] != '0'))
        return false;
    size_t end = number.length;
    while (end < rest.size() && IsBlank(rest[end]))
        ++end;
    if (end != rest.size())
        return false;
    value = number.value;
    return true;
}

} // namespace

void DataExchange::Attach(int id, Control& control) {
    if (m_failed || control.IsAttached())
        return;
    control.Attach(m_dialog.Item(id));
}

void DataExchange::CheckBox(int id, int& member) {
    if (m_failed)
        return;
    HWND box = m_dialog.Item(id);
    if (m_retrieve) {
        member = static_cast<int>(SendMessageA(box, BM_GETCHECK, 0, 0));
        return;
    }
    if (member < 0 || member > 2)
        member = 0;
    SendMessageA(box, BM_SETCHECK, static_cast<WPARAM>(member), 0);
}

void DataExchange::FloatText(int id, float& member) {
    if (m_failed)
        return;
    if (m_retrieve) {
        double value = 0;
        if (!ConvertFloatText(m_dialog.GetItemText(id, kFloatTextChars), value)) {
            Fail(id);
            return;
        }
        // A text beyond the float range stands for the largest float.
        constexpr double kLargest = std::numeric_limits<float>::max();
        member = static_cast<float>(std::clamp(value, -kLargest, kLargest));
        return;
    }
    std::string text = FormatGeneral(member, kFloatPrecision);
    // Rewriting an unchanged text would move the caret and send change notices.
    if (m_dialog.GetItemText(id, static_cast<int>(text.size()) + 1) != text)
        m_dialog.SetItemText(id, text);
}

void DataExchange::ComboText(int id, std::string& member) {
    if (m_failed)
        return;
    HWND combo = m_dialog.Item(id);
    if (m_retrieve) {
        LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
        member.clear();
        if (index < 0)
            return;
        LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
        if (length <= 0)
            return;
        std::string text(static_cast<size_t>(length) + 1, '\0');
        LRESULT copied =
            SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        member = text;
        return;
    }
    // An empty text begins every item; it is taken as naming none, so the
    // list keeps its selection.
    if (member.empty())
        return;
    LRESULT index = SendMessageA(combo, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(member.c_str()));
    if (index >= 0)
        SendMessageA(combo, CB_SETCURSEL, index, 0);
}

void DataExchange::ComboIndex(int id, int& member) {
    if (m_failed)
        return;
    HWND combo = m_dialog.Item(id);
    if (m_retrieve) {
        member = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
        return;
    }
    LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    WPARAM index =
        member >= 0 && member < count ? static_cast<WPARAM>(member) : static_cast<WPARAM>(-1);
    SendMessageA(combo, CB_SETCURSEL, index, 0);
}

void DataExchange::Fail(int id) {
    m_failed = true;
    m_dialog.ShowMessage("Enter a number.", nullptr, MB_OK | MB_ICONEXCLAMATION);
    HWND field = m_dialog.Item(id);
    SetFocus(field);
    SendMessageA(field, EM_SETSEL, 0, -1);
}
