#include "framework/Dialog.h"

#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/DataExchange.h"
#include "framework/TemplateItems.h"

#include <commctrl.h>

#include <algorithm>

namespace {

// The trackbar's window class, and the look of every control (the platform's
// own styling, which the manifest asks for), come from the common controls.
void RegisterCommonControls() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
}

// Messages whose answer is the dialog procedure's own return value rather
// than DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    switch (message) {
    case WM_QUERYDRAGICON:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return true;
    default:
        return false;
    }
}

// A dialog whose template asks for no placement of its own opens centred: on
// its owner when it has a visible one, otherwise in the work area of its
// screen; either way it stays inside that work area.
void CenterDialog(HWND dialog) {
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    if (style & (DS_ABSALIGN | DS_CENTER | DS_CENTERMOUSE))
        return;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT work = monitor.rcWork;
    RECT area = work;
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &area);
    RECT box;
    GetWindowRect(dialog, &box);
    const LONG width = box.right - box.left;
    const LONG height = box.bottom - box.top;
    LONG x = area.left + (area.right - area.left - width) / 2;
    LONG y = area.top + (area.bottom - area.top - height) / 2;
    x = std::max(work.left, std::min(x, work.right - width));
    y = std::max(work.top, std::min(y, work.bottom - height));
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

bool MessageRoute::Matches(const Message& m) const {
    if (m.message != message)
        return false;
    if (message == WM_COMMAND)
        return HIWORD(m.wParam) == code && LOWORD(m.wParam) == static_cast<WORD>(controlId);
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(m.lParam);
        return header->code == code && header->idFrom == static_cast<UINT_PTR>(controlId);
    }
    return true;
}

Dialog::Dialog(int templateId, HWND parent) : m_templateId(templateId), m_parent(parent) {}

Dialog::~Dialog() {
    if (m_hwnd != nullptr)
        DestroyWindow(m_hwnd);
    if (MainWindow() == this)
        SetMainWindow(nullptr);
}

HWND Dialog::Owner() const {
    if (m_parent != nullptr)
        return m_parent;
    // Without a parent the main window owns the dialog, unless it is this
    // very dialog, which has no window yet.
    Dialog* main = MainWindow();
    return main != nullptr && main != this ? main->Window() : nullptr;
}

INT_PTR Dialog::RunModal() {
    RegisterCommonControls();
    m_modal = true;
    m_ended = false;
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId),
                                     Owner(), DialogProc, reinterpret_cast<LPARAM>(this));
    m_modal = false;
    return result;
}

bool Dialog::Create(HWND owner) {
    RegisterCommonControls();
    m_modal = false;
    m_ended = false;
    HWND hwnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), owner,
                                   DialogProc, reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr && !m_ended;
}

void Dialog::EndDialog(INT_PTR result) {
    m_result = result;
    m_ended = true;
    if (m_hwnd == nullptr)
        return;
    if (m_modal)
        ::EndDialog(m_hwnd, result);
    else
        DestroyWindow(m_hwnd);
}

bool Dialog::InitializeDialog() {
    if (!AddTemplateComboItems(m_hwnd, m_templateId) || !TransferToControls()) {
        EndDialog(-1);
        return false;
    }
    return true;
}

void Dialog::ConfirmDialog() {
    if (TransferFromControls())
        EndDialog(IDOK);
}

void Dialog::CancelDialog() {
    EndDialog(IDCANCEL);
}

bool Dialog::Transfer(bool retrieve) {
    ++m_transferDepth;
    DataExchange exchange(*this, retrieve);
    ExchangeData(exchange);
    --m_transferDepth;
    return !exchange.Failed();
}

int Dialog::ShowMessage(const std::string& text, const char* caption, UINT style) {
    return MessageBoxA(m_hwnd, text.c_str(), caption ? caption : ApplicationTitle().c_str(), style);
}

void Dialog::EnableItem(int id, bool enabled) const {
    EnableWindow(Item(id), enabled ? TRUE : FALSE);
}

void Dialog::SetItemText(int id, const std::string& text) const {
    SetDlgItemTextA(m_hwnd, id, text.c_str());
}

std::string Dialog::GetItemText(int id, int maxChars) const {
    return WindowText(Item(id), maxChars);
}

void Dialog::CheckRadio(int first, int last, int checked) const {
    CheckRadioButton(m_hwnd, first, last, checked);
}

bool Dialog::IsChecked(int id) const {
    return IsDlgButtonChecked(m_hwnd, id) == BST_CHECKED;
}

bool Dialog::IsDroppedDuringTransfer(const Message& m) const {
    if (m_transferDepth == 0)
        return false;
    switch (m.message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return m.lParam != 0; // from a control, not a menu or accelerator
    case WM_NOTIFY:
        return true;
    default:
        return false;
    }
}

bool Dialog::Route(const Message& message, INT_PTR& answer) {
    RouteTable table = Routes();
    for (const MessageRoute* route = table.begin; route != table.end; ++route) {
        if (!route->Matches(message))
            continue;
        LRESULT result = 0;
        if (!route->thunk(*this, message, result))
            return false;
        if (AnswersDirectly(message.message)) {
            answer = result;
        } else {
            SetWindowLongPtrA(m_hwnd, DWLP_MSGRESULT, result);
            answer = TRUE;
        }
        return true;
    }
    return false;
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const Message m = {message, wParam, lParam};
    if (message == WM_INITDIALOG) {
        CenterDialog(m_hwnd);
        return InitializeDialog() ? TRUE : FALSE;
    }
    if (IsDroppedDuringTransfer(m))
        return TRUE;
    INT_PTR answer = FALSE;
    if (Route(m, answer))
        return answer;
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            break;
        if (LOWORD(wParam) == IDOK) {
            ConfirmDialog();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            CancelDialog();
            return TRUE;
        }
        break;
    case WM_HELP:
        // F1 alone asks for help; with a modifier held it is left alone.
        if (GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0)
            ShowHelp(m_hwnd, 0x20000 + static_cast<DWORD>(m_templateId));
        return TRUE;
    case WM_NCDESTROY:
        m_hwnd = nullptr;
        if (MainWindow() == this)
            SetMainWindow(nullptr);
        break;
    default:
        break;
    }
    return FALSE;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        dialog->m_hwnd = hwnd;
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (dialog == nullptr)
        return FALSE;
    INT_PTR answer = dialog->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    return answer;
}
