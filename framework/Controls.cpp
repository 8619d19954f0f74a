#include "framework/Controls.h"

#include <commctrl.h>

#include <vector>

namespace {
constexpr UINT_PTR kSubclassId = 1;
}

Control::~Control() {
    Detach();
}

bool Control::Attach(HWND control) {
    if (m_hwnd != nullptr || control == nullptr)
        return false;
    if (!SetWindowSubclass(control, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    m_hwnd = control;
    return true;
}

void Control::Detach() {
    if (m_hwnd != nullptr)
        RemoveWindowSubclass(m_hwnd, SubclassProc, kSubclassId);
    m_hwnd = nullptr;
}

std::string WindowText(HWND window, int maxChars) {
    std::vector<char> buffer(static_cast<size_t>(maxChars) + 1, '\0');
    int length = GetWindowTextA(window, buffer.data(), maxChars + 1);
    return std::string(buffer.data(), length > 0 ? static_cast<size_t>(length) : 0);
}

std::string Control::GetText(int maxChars) const {
    return WindowText(m_hwnd, maxChars);
}

LRESULT Control::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT Control::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR self) {
    auto* control = reinterpret_cast<Control*>(self);
    if (message == WM_NCDESTROY) {
        // The control goes: let go of it.
        LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        control->Detach();
        return result;
    }
    return control->WindowProc(message, wParam, lParam);
}

void Slider::SetRange(int minimum, int maximum, bool redraw) const {
    SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageA(Handle(), TBM_SETRANGEMAX, redraw ? TRUE : FALSE, maximum);
}

void Slider::SetLineSize(int size) const {
    SendMessageA(Handle(), TBM_SETLINESIZE, 0, size);
}

void Slider::SetPageSize(int size) const {
    SendMessageA(Handle(), TBM_SETPAGESIZE, 0, size);
}

void Slider::SetPos(int position) const {
    SendMessageA(Handle(), TBM_SETPOS, TRUE, position);
}
