#include "IdleScript.h"

#include <utility>

namespace {

IdleScript* g_script = nullptr;

// Idle moments that a step may wait for its dialog before the script gives up.
constexpr int kPatience = 3000;

struct Search {
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    char text[256] = "";
    GetWindowTextA(window, text, sizeof(text));
    if (*search->caption != text)
        return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK EndEveryDialog(HWND window, LPARAM) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof(name));
    if (std::string(name) == "#32770")
        ::EndDialog(window, -1);
    return TRUE;
}

} // namespace

HWND FindThreadWindow(const std::string& caption) {
    Search search = {&caption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

IdleScript::IdleScript(std::string caption, std::vector<Step> steps)
    : m_caption(std::move(caption)), m_steps(std::move(steps)) {
    g_script = this;
    m_timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, Tick);
}

IdleScript::~IdleScript() {
    Stop();
}

void IdleScript::Stop() {
    if (m_timer != 0)
        KillTimer(nullptr, m_timer);
    m_timer = 0;
    if (g_script == this)
        g_script = nullptr;
}

void CALLBACK IdleScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_script != nullptr)
        g_script->OnIdle();
}

HWND IdleScript::FindDialog() const {
    HWND dialog = FindThreadWindow(m_caption);
    if (dialog == nullptr || !IsWindowVisible(dialog) || !IsWindowEnabled(dialog))
        return nullptr;
    return dialog;
}

void IdleScript::OnIdle() {
    if (Done()) {
        Stop();
        return;
    }
    HWND dialog = FindDialog();
    if (dialog == nullptr) {
        if (++m_waits < kPatience)
            return;
        // Nested boxes included, so that every modal loop of the thread ends.
        Stop();
        EnumThreadWindows(GetCurrentThreadId(), EndEveryDialog, 0);
        return;
    }
    m_waits = 0;
    m_steps[m_next++](dialog);
}
