#pragma once
// The built program started as a player starts it, in a process of its own,
// on a game installation registered for real in this prefix's registry.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The Windows path of the built Kestrune.exe.
std::string KestruneExe();

// The game's registry value, in the 32-bit view where its installer puts it,
// set or removed for the test; whatever was there before is put back.
class GameRegistration {
public:
    GameRegistration();
    ~GameRegistration();
    GameRegistration(const GameRegistration&) = delete;
    GameRegistration& operator=(const GameRegistration&) = delete;

    void Register(const std::string& directory) const;
    void Unregister() const;

private:
    bool m_parentExisted;
    bool m_keyExisted;
    bool m_hadValue = false;
    DWORD m_oldType = 0;
    std::vector<BYTE> m_oldData;
};

class ProgramRun {
public:
    explicit ProgramRun(const std::string& exe);
    ~ProgramRun(); // ends the process if it is still running
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    // The first top-level window of the process that matches; nullptr when
    // the process ends first or none comes within a generous bound.
    HWND WaitForWindow(const std::function<bool(HWND)>& matches) const;
    // Whether the process ended within a generous bound, and its exit code.
    bool WaitForExit(DWORD& code) const;

private:
    PROCESS_INFORMATION m_process = {};
};
