#pragma once
// The process-wide application: its title, its help file, its main window and
// the start-up step that a program supplies.

#include <windows.h>

#include <string>

class Dialog;

class Application {
public:
    Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    virtual ~Application();

    // Called from the program's entry point; returns the process exit code.
    int Run();

    // The program's start-up. Returning false ends the program without a
    // message loop.
    virtual bool InitializeApplication() = 0;
};

// The executable's file name without directory and extension: the caption of
// every message box that names none of its own.
const std::string& ApplicationTitle();
// The executable's full path with its extension replaced by ".HLP".
const std::string& HelpFilePath();

// The application's main window, the owner of dialogs run without a parent.
Dialog* MainWindow();
void SetMainWindow(Dialog* dialog);

// Asks the help viewer for a context of the help file; says so when it cannot.
using HelpViewer = BOOL(WINAPI*)(HWND, LPCSTR, UINT, ULONG_PTR);
void ShowHelp(HWND owner, DWORD context);
// Replaces the help viewer (tests); returns the previous one.
HelpViewer SetHelpViewer(HelpViewer viewer);
