#include "resources/TestWindows.h"

#include <commctrl.h>

namespace {

INT_PTR CALLBACK PassiveDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG; // let the dialog manager pick the focus
}

void RegisterCommonControls() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX init{sizeof(init), ICC_BAR_CLASSES};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)registered;
}

} // namespace

TemplateDialog::TemplateDialog(int templateId) {
    RegisterCommonControls(); // the trackbar's class
    hwnd_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), nullptr,
                               PassiveDialogProc, 0);
}

TemplateDialog::~TemplateDialog() {
    if (hwnd_ != nullptr)
        DestroyWindow(hwnd_);
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::string WindowClass(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::string WindowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

DWORD WindowStyle(HWND window) {
    return static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
}

DWORD WindowExStyle(HWND window) {
    return static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
}
