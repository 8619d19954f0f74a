#pragma once
// Thin wrappers over the standard controls: each holds the control's window
// and offers the few operations the dialogs use, one message each.

#include <windows.h>

#include <string>

// At most maxChars characters of a window's text.
std::string WindowText(HWND window, int maxChars);

// A control object that can be attached to a dialog's control. Attaching
// subclasses the control, so the object sees the control's messages first.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    bool Attach(HWND control);
    bool IsAttached() const { return m_hwnd != nullptr; }
    HWND Handle() const { return m_hwnd; }

    void Enable(bool enabled) const { EnableWindow(m_hwnd, enabled ? TRUE : FALSE); }
    bool IsEnabled() const { return IsWindowEnabled(m_hwnd) != FALSE; }
    void SetText(const std::string& text) const { SetWindowTextA(m_hwnd, text.c_str()); }
    // At most maxChars characters of the control's text.
    std::string GetText(int maxChars) const;

protected:
    // Sees every message of the attached control; the default passes it on.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    void Detach();

    HWND m_hwnd = nullptr;
};

class Edit : public Control {
public:
    void LimitText(int chars) const { SendMessageA(Handle(), EM_LIMITTEXT, chars, 0); }
};

class Button : public Control {
public:
    void SetCheck(int state) const { SendMessageA(Handle(), BM_SETCHECK, state, 0); }
    int GetCheck() const { return static_cast<int>(SendMessageA(Handle(), BM_GETCHECK, 0, 0)); }
};

class Slider : public Control {
public:
    void SetRange(int minimum, int maximum, bool redraw) const;
    void SetLineSize(int size) const;
    void SetPageSize(int size) const;
    void SetPos(int position) const;
};
