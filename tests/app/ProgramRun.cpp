#include "ProgramRun.h"

namespace {

constexpr char kParentKey[] = "Software\\Quorvex";
constexpr char kGameKey[] = "Software\\Quorvex\\Drakmoor";
constexpr char kDirectoryValue[] = "Directory";
constexpr REGSAM kView = KEY_WOW64_32KEY;

// Bounds for a program that should answer in about a second.
constexpr ULONGLONG kPatienceMs = 60000;
constexpr DWORD kPollMs = 20;

bool KeyExists(const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ | kView, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

struct WindowSearch {
    DWORD processId;
    const std::function<bool(HWND)>* matches;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !(*search->matches)(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

std::string KestruneExe() {
    // Wine shows the host's file system as drive Z:.
    std::string path = std::string("Z:") + KESTRUNE_EXE;
    for (char& c : path)
        c = c == '/' ? '\\' : c;
    return path;
}

GameRegistration::GameRegistration()
    : m_parentExisted(KeyExists(kParentKey)), m_keyExisted(KeyExists(kGameKey)) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, KEY_QUERY_VALUE | kView, &key) !=
        ERROR_SUCCESS)
        return;
    DWORD size = 0;
    if (RegQueryValueExA(key, kDirectoryValue, nullptr, &m_oldType, nullptr, &size) ==
        ERROR_SUCCESS) {
        m_oldData.resize(size);
        m_hadValue = RegQueryValueExA(key, kDirectoryValue, nullptr, &m_oldType, m_oldData.data(),
                                      &size) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
}

GameRegistration::~GameRegistration() {
    if (m_hadValue) {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0, KEY_SET_VALUE | kView, nullptr,
                        &key, nullptr);
        RegSetValueExA(key, kDirectoryValue, 0, m_oldType, m_oldData.data(),
                       static_cast<DWORD>(m_oldData.size()));
        RegCloseKey(key);
        return;
    }
    Unregister();
    if (!m_keyExisted)
        RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kGameKey, kView, 0);
    if (!m_parentExisted)
        RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kParentKey, kView, 0);
}

void GameRegistration::Register(const std::string& directory) const {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0, KEY_SET_VALUE | kView, nullptr,
                    &key, nullptr);
    RegSetValueExA(key, kDirectoryValue, 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(directory.c_str()),
                   static_cast<DWORD>(directory.size() + 1));
    RegCloseKey(key);
}

void GameRegistration::Unregister() const {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, KEY_SET_VALUE | kView, &key) !=
        ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, kDirectoryValue);
    RegCloseKey(key);
}

ProgramRun::ProgramRun(const std::string& exe) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    std::string commandLine = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &m_process))
        m_process = {};
}

ProgramRun::~ProgramRun() {
    if (!Started())
        return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, INFINITE);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

HWND ProgramRun::WaitForWindow(const std::function<bool(HWND)>& matches) const {
    if (!Started())
        return nullptr;
    ULONGLONG deadline = GetTickCount64() + kPatienceMs;
    do {
        WindowSearch search = {m_process.dwProcessId, &matches, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
    } while (WaitForSingleObject(m_process.hProcess, kPollMs) == WAIT_TIMEOUT &&
             GetTickCount64() < deadline);
    return nullptr;
}

bool ProgramRun::WaitForExit(DWORD& code) const {
    if (!Started() ||
        WaitForSingleObject(m_process.hProcess, static_cast<DWORD>(kPatienceMs)) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(m_process.hProcess, &code) != FALSE;
}
