#include "support/MessageBoxWatcher.h"

#include <algorithm>

namespace {

MessageBoxWatcher* g_watcher = nullptr;

std::string WindowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

} // namespace

MessageBoxWatcher::MessageBoxWatcher(int answer) : m_answer(answer) {
    g_watcher = this;
    m_hook = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

MessageBoxWatcher::~MessageBoxWatcher() {
    UnhookWindowsHookEx(m_hook);
    g_watcher = nullptr;
}

LRESULT CALLBACK MessageBoxWatcher::Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && g_watcher != nullptr)
        g_watcher->Activated(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxWatcher::Activated(HWND window) {
    // A box has an owner; the dialog under test has none.
    if (ClassOf(window) != "#32770" || GetWindow(window, GW_OWNER) == nullptr)
        return;
    if (std::find(m_handled.begin(), m_handled.end(), window) != m_handled.end())
        return;
    m_handled.push_back(window);
    SeenBox box;
    box.caption = WindowText(window);
    box.owner = GetWindow(window, GW_OWNER);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::string kind = ClassOf(child);
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if (kind == "Button")
            box.buttons.push_back(GetDlgCtrlID(child));
        else if (kind == "Static" && (style & SS_TYPEMASK) == SS_ICON)
            box.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        else if (kind == "Static" && GetDlgCtrlID(child) == 0xFFFF)
            box.text = WindowText(child);
    }
    m_seen.push_back(box);
    if (m_action)
        m_action(window);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(m_answer, BN_CLICKED), 0);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
