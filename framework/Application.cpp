#include "framework/Application.h"

#include <vector>

namespace {

Dialog* g_mainWindow = nullptr;
HelpViewer g_helpViewer = WinHelpA;

std::string ModulePath() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::string();
        if (length < path.size())
            return std::string(path.data(), length);
        path.resize(path.size() * 2);
    }
}

// Index of the extension's dot in a path's last component, or npos.
size_t ExtensionDot(const std::string& path) {
    size_t name = path.find_last_of("\\/:");
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || (name != std::string::npos && dot < name))
        return std::string::npos;
    return dot;
}

} // namespace

const std::string& ApplicationTitle() {
    static const std::string title = [] {
        std::string path = ModulePath();
        size_t name = path.find_last_of("\\/:");
        size_t start = name == std::string::npos ? 0 : name + 1;
        size_t dot = ExtensionDot(path);
        return path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
    }();
    return title;
}

const std::string& HelpFilePath() {
    static const std::string help = [] {
        std::string path = ModulePath();
        return path.substr(0, ExtensionDot(path)) + ".HLP";
    }();
    return help;
}

Dialog* MainWindow() {
    return g_mainWindow;
}

void SetMainWindow(Dialog* dialog) {
    g_mainWindow = dialog;
}

HelpViewer SetHelpViewer(HelpViewer viewer) {
    HelpViewer previous = g_helpViewer;
    g_helpViewer = viewer;
    return previous;
}

void ShowHelp(HWND owner, DWORD context) {
    if (!g_helpViewer(owner, HelpFilePath().c_str(), HELP_CONTEXT, context))
        MessageBoxA(owner, "The help file could not be opened.", ApplicationTitle().c_str(),
                    MB_OK | MB_ICONEXCLAMATION);
}

Application::Application() = default;

Application::~Application() = default;

int Application::Run() {
    if (InitializeApplication()) {
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return 0;
}
