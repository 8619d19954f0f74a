#include "settings/MissionSettings.h"

#include "support/Sandbox.h"

#include <gtest/gtest.h>

namespace {

struct DirectoryCase {
    const char* name;
    std::string data; // the value's bytes as stored
    DWORD type;
    std::string game;
};

const DirectoryCase kDirectoryCases[] = {
    {"backslash added", std::string("C:\\Games\\X\0", 11), REG_SZ, "C:\\Games\\X\\"},
    {"backslash kept", std::string("C:\\Games\\X\\\0", 12), REG_SZ, "C:\\Games\\X\\"},
    {"only one added", std::string("C:\\Games\\X\\\\\0", 13), REG_SZ, "C:\\Games\\X\\\\"},
    {"empty value", std::string("\0", 1), REG_SZ, "\\"},
    {"no data at all", std::string(), REG_SZ, "\\"},
    {"up to the first zero", std::string("C:\\A\0junk\0", 10), REG_SZ, "C:\\A\\"},
    {"slash is no backslash", std::string("C:/Games/X/\0", 12), REG_SZ, "C:/Games/X/\\"},
    {"no expansion", std::string("%ProgramFiles%\\X\0", 17), REG_EXPAND_SZ, "%ProgramFiles%\\X\\"},
    {"type not examined", std::string("D:\\Bin"), REG_BINARY, "D:\\Bin\\"},
    {"high bytes unchanged", std::string("C:\\Spiele\\\xC4\0", 12), REG_SZ, "C:\\Spiele\\\xC4\\"},
    {"255 characters", std::string(255, 'a') + '\0', REG_SZ, std::string(255, 'a') + "\\"},
    {"254 characters and a backslash", std::string(254, 'a') + "\\" + '\0', REG_SZ,
     std::string(254, 'a') + "\\"},
    // Exactly 256 bytes are accepted; without a zero all of them are the text.
    {"256 bytes without a zero", std::string(256, 'b'), REG_BINARY, std::string(256, 'b') + "\\"},
};

TEST(GameDirectory, IsTheRegistryValueEndingInOneBackslash) {
    for (const DirectoryCase& c : kDirectoryCases) {
        SCOPED_TRACE(c.name);
        RegistrySandbox registry;
        registry.SetDirectory(c.data, c.type);
        std::string dir = "stale";
        EXPECT_TRUE(MissionSettings::FindGameDirectory(dir));
        EXPECT_EQ(dir, c.game);
        std::string scripts = "stale";
        EXPECT_TRUE(MissionSettings::FindScriptsDirectory(scripts));
        EXPECT_EQ(scripts, c.game + "Assets\\Scripts\\");
    }
}

struct FailureCase {
    const char* name;
    void (*prepare)(RegistrySandbox&);
    DWORD error;
};

const FailureCase kFailureCases[] = {
    {"no key", [](RegistrySandbox&) {}, ERROR_FILE_NOT_FOUND},
    {"no value", [](RegistrySandbox& r) { r.CreateGameKey(); }, ERROR_FILE_NOT_FOUND},
    {"256 characters and a zero",
     [](RegistrySandbox& r) { r.SetDirectoryText(std::string(256, 'c')); }, ERROR_MORE_DATA},
    {"257 bytes", [](RegistrySandbox& r) { r.SetDirectory(std::string(257, 'c'), REG_BINARY); },
     ERROR_MORE_DATA},
    {"far too long", [](RegistrySandbox& r) { r.SetDirectoryText(std::string(5000, 'c')); },
     ERROR_MORE_DATA},
};

TEST(GameDirectory, FailureLeavesTheTextAndTheRegistryStatus) {
    for (const FailureCase& c : kFailureCases) {
        SCOPED_TRACE(c.name);
        RegistrySandbox registry;
        c.prepare(registry);
        std::string dir = "as it was";
        SetLastError(12345);
        EXPECT_FALSE(MissionSettings::FindGameDirectory(dir));
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_EQ(dir, "as it was");
        SetLastError(12345);
        EXPECT_FALSE(MissionSettings::FindScriptsDirectory(dir));
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_EQ(dir, "as it was");
    }
}

TEST(GameDirectory, EveryLookupReadsTheRegistryAgain) {
    RegistrySandbox registry;
    registry.SetDirectoryText("C:\\First");
    std::string dir;
    ASSERT_TRUE(MissionSettings::FindGameDirectory(dir));
    EXPECT_EQ(dir, "C:\\First\\");
    registry.SetDirectoryText("C:\\Second");
    ASSERT_TRUE(MissionSettings::FindGameDirectory(dir));
    EXPECT_EQ(dir, "C:\\Second\\");
}

// The real machine's registry: the game's 32-bit installer writes its key in
// the 32-bit view, which a 64-bit build must read too.
class RealRegistryView : public ::testing::Test {
protected:
    static constexpr const char* kKey = "Software\\Quorvex\\Drakmoor";

    static bool OnWow64Machine() {
        if (sizeof(void*) == 8)
            return true;
        BOOL wow64 = FALSE;
        return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
    }

    static void Write(REGSAM view, const char* text) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_SET_VALUE | view,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, "Directory", 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                       static_cast<DWORD>(strlen(text) + 1));
        RegCloseKey(key);
    }

    static void Remove() {
        for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
            RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kKey, view, 0);
            RegDeleteKeyExA(HKEY_LOCAL_MACHINE, "Software\\Quorvex", view, 0);
        }
    }

    static bool Exists(REGSAM view) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_QUERY_VALUE | view, &key) != 0)
            return false;
        RegCloseKey(key);
        return true;
    }

    void SetUp() override {
        if (!OnWow64Machine())
            GTEST_SKIP() << "one registry view only";
        if (Exists(KEY_WOW64_32KEY) || Exists(KEY_WOW64_64KEY))
            GTEST_SKIP() << "the game is installed here; its key stays untouched";
        m_owned = true;
    }
    void TearDown() override {
        if (m_owned)
            Remove();
    }

    bool m_owned = false;
};

TEST_F(RealRegistryView, TheKeyIsReadFromThe32BitView) {
    Write(KEY_WOW64_64KEY, "C:\\Native");
    std::string dir = "none";
#ifdef _WIN64
    // A 64-bit build falls back on its own view.
    EXPECT_TRUE(MissionSettings::FindGameDirectory(dir));
    EXPECT_EQ(dir, "C:\\Native\\");
#else
    EXPECT_FALSE(MissionSettings::FindGameDirectory(dir));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(dir, "none");
#endif

    // Where both views hold the key, the 32-bit one is the game's.
    Write(KEY_WOW64_32KEY, "C:\\Game32");
    EXPECT_TRUE(MissionSettings::FindGameDirectory(dir));
    EXPECT_EQ(dir, "C:\\Game32\\");
}

} // namespace
