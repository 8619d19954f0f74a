#pragma once
// Watches the message boxes (and other owned dialogs) that this thread opens,
// reads what they show and closes them, so tests can check the real
// message-box path.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct SeenBox {
    std::string caption;
    std::string text; // the message text (control 0xFFFF), empty for other dialogs
    HWND owner = nullptr;
    HICON icon = nullptr; // the icon the box shows, if any
    std::vector<int> buttons;
};

class MessageBoxWatcher {
public:
    // Boxes are answered with `answer` (a button id) as soon as they are shown.
    explicit MessageBoxWatcher(int answer = IDOK);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // Called for each box before it is answered.
    void OnBox(std::function<void(HWND)> action) { m_action = std::move(action); }

    const std::vector<SeenBox>& Seen() const { return m_seen; }
    void Clear() { m_seen.clear(); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    void Activated(HWND window);

    HHOOK m_hook = nullptr;
    int m_answer;
    std::vector<HWND> m_handled;
    std::function<void(HWND)> m_action;
    std::vector<SeenBox> m_seen;
};

// Lets the posted messages of this thread run (a box's answer, deferred work).
void PumpMessages();
