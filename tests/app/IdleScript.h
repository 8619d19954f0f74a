#pragma once
// Drives a modal dialog from inside its own message loop: a thread timer,
// whose message the system makes only when nothing else is waiting, runs the
// script's next step each time the dialog is idle, that is shown, enabled
// (no modal box of its own open) and with nothing queued.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class IdleScript {
public:
    // A step posts what it does; running a modal loop inside it would nest
    // the next steps in that loop.
    using Step = std::function<void(HWND dialog)>;

    IdleScript(std::string caption, std::vector<Step> steps);
    ~IdleScript();
    IdleScript(const IdleScript&) = delete;
    IdleScript& operator=(const IdleScript&) = delete;

    // Every step ran. When the dialog stops answering, the script gives up
    // after a bounded number of idle moments and ends the dialog, so that a
    // fault fails the test instead of hanging it.
    bool Done() const { return m_next == m_steps.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void OnIdle();
    HWND FindDialog() const;
    void Stop();

    std::string m_caption;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    int m_waits = 0;
    UINT_PTR m_timer = 0;
};

// The top-level windows of the calling thread with this caption.
HWND FindThreadWindow(const std::string& caption);
