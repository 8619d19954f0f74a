#pragma once
// Small helpers for tests that create a dialog from its template and look at
// the windows that the dialog manager made.

#include <windows.h>

#include <string>
#include <vector>

// A dialog created modelessly from one of the program's templates with a
// procedure that does nothing, so that only the template shapes it.
class TemplateDialog {
public:
    explicit TemplateDialog(int templateId);
    ~TemplateDialog();
    TemplateDialog(const TemplateDialog&) = delete;
    TemplateDialog& operator=(const TemplateDialog&) = delete;

    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_;
};

// Children in creation order (labels share the id -1, so they cannot be found
// by id).
std::vector<HWND> ChildWindows(HWND parent);

std::string WindowClass(HWND window);
std::string WindowText(HWND window);
DWORD WindowStyle(HWND window);
DWORD WindowExStyle(HWND window);
