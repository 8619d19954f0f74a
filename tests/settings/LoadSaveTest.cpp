#include "settings/FileStore.h"
#include "settings/MissionSettings.h"
#include "settings/ProfileFile.h"

#include "RecordTesting.h"
#include "support/GameFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using MS = MissionSettings;

const std::string kDefaultScripts = "[Mul_Vorlane]\r\n"
                                    "multiplier=1.10\r\n"
                                    "type=0\r\n"
                                    "rrace=-1\r\n"
                                    "srace=-1\r\n"
                                    "race=0\r\n"
                                    "hull=-1\r\n"
                                    "hullpercentA=1093813840\r\n"
                                    "hullpercentB=339160380\r\n"
                                    "hullpercentC=657950\r\n"
                                    "era=4\r\n"
                                    "ModSupport=-1\r\n";
const std::string kDefaultMain = "[UI]\r\nUIType=0\r\n";

// A game folder with its scripts folder, named by the registry without a
// trailing backslash.
class SettingsFiles : public ::testing::Test {
protected:
    void SetUp() override { registry.SetDirectoryText(game.InstalledPath()); }

    std::string ScriptsFolder() const { return game.ScriptsFolder(); }
    std::string Scripts() const { return game.ScriptsIniPath(); }
    std::string Main() const { return game.MainIniPath(); }
    std::string Key(const char* key) const {
        return ReadProfileValue(Scripts(), "Mul_Vorlane", key);
    }

    GameFiles game{nullptr, nullptr};
    RegistrySandbox registry;
};

TEST_F(SettingsFiles, MissingKeysLoadTheDefaultsWhichSaveAsTheirTexts) {
    MissionSettings s = Sentinel();
    ASSERT_TRUE(s.Load());
    EXPECT_SAME_RECORD(s, Defaults());
    ASSERT_TRUE(s.Save());
    EXPECT_EQ(ReadFileBytes(Scripts()), kDefaultScripts);
    EXPECT_EQ(ReadFileBytes(Main()), kDefaultMain);
    EXPECT_EQ(ListFolder(ScriptsFolder()), "scripts.ini");
    EXPECT_EQ(ListFolder(game.Directory()), "Assets drakmoor.ini");

    MissionSettings again = Sentinel();
    ASSERT_TRUE(again.Load());
    EXPECT_SAME_RECORD(again, Defaults());
}

TEST_F(SettingsFiles, ASectionWithoutTheKeysLoadsTheDefaultsToo) {
    WriteFileBytes(Scripts(), "[Mul_Vorlane]\r\nother=1\r\n[Elsewhere]\r\nhull=5\r\n");
    WriteFileBytes(Main(), "[UI]\r\nUITypo=2\r\n[Other]\r\nUIType=2\r\n");
    MissionSettings s = Sentinel();
    ASSERT_TRUE(s.Load());
    EXPECT_SAME_RECORD(s, Defaults());
}

// One key's text and what Load makes of it; every other field keeps its default.
struct ParseCase {
    const char* key;
    std::string text;
    void (*expect)(MissionSettings&);
};

const ParseCase kParseCases[] = {
    {"multiplier", "1.125", [](MS& s) { s.multiplier = 1.125f; }},
    {"multiplier", " 2.5 ", [](MS& s) { s.multiplier = 2.5f; }},
    {"multiplier", "\"0.75\"", [](MS& s) { s.multiplier = 0.75f; }},
    {"multiplier", "3d1", [](MS& s) { s.multiplier = 30.0f; }},
    {"multiplier", "-1.5", [](MS& s) { s.multiplier = -1.5f; }},
    {"multiplier", "abc", [](MS& s) { s.multiplier = 0.0f; }},
    {"multiplier", "", [](MS&) {}},
    {"multiplier", "1e39", [](MS& s) { s.multiplier = std::numeric_limits<float>::max(); }},
    {"type", "1.9", [](MS& s) { s.type = 1; }},
    {"type", "-7", [](MS& s) { s.type = -7; }},
    {"type", "4294967297", [](MS& s) { s.type = 1; }},
    {"type", "abc", [](MS& s) { s.type = 0; }},
    {"rrace", "262143", [](MS& s) { s.raceMask[0] = 262143; }},
    {"rrace", "4294967295", [](MS& s) { s.raceMask[0] = -1; }},
    {"rrace", "0", [](MS& s) { s.raceMask[0] = 0; }},
    {"srace", "5", [](MS& s) { s.raceMask[1] = 5; }},
    {"hull", "", [](MS&) {}},
    {"hull", "abc", [](MS& s) { s.hull = 0; }},
    {"hull", "4104", [](MS& s) { s.hull = 4104; }},
    // The 64th character is cut off: -1, not -12.
    {"hull", "-" + std::string(61, '0') + "12", [](MS& s) { s.hull = -1; }},
    {"era", "3e1", [](MS& s) { s.era = 3; }},
    {"era", "-2", [](MS& s) { s.era = -2; }},
    {"era", "x4", [](MS& s) { s.era = 0; }},
    {"hullpercentA", "-1",
     [](MS& s) {
         for (int i = 0; i < 4; ++i)
             s.hullPercent[i] = -1;
     }},
    {"hullpercentA", "-939524096",
     [](MS& s) {
         s.hullPercent[0] = s.hullPercent[1] = s.hullPercent[2] = 0;
         s.hullPercent[3] = -56;
     }},
    {"hullpercentC", "2131364382", [](MS& s) { s.hullPercent[ODDS_RESERVED] = 127; }},
    {"hullpercentC", "junk",
     [](MS& s) {
         s.hullPercent[8] = s.hullPercent[9] = s.hullPercent[10] = s.hullPercent[11] = 0;
     }},
    {"ModSupport", "5.9", [](MS& s) { s.modSupport = 5; }},
    {"ModSupport", "-1e10", [](MS& s) { s.modSupport = std::numeric_limits<int32_t>::min(); }},
    {"ModSupport", "4294967295", [](MS& s) { s.modSupport = std::numeric_limits<int32_t>::max(); }},
    {"ModSupport", "abc", [](MS& s) { s.modSupport = 0; }},
    {"ModSupport", "", [](MS&) {}},
    {"UIType", "-1.5", [](MS& s) { s.uiType = -1; }},
    {"UIType", "2", [](MS& s) { s.uiType = 2; }},
    {"UIType", "1e10", [](MS& s) { s.uiType = std::numeric_limits<int32_t>::max(); }},
    {"UIType", "Admiral", [](MS& s) { s.uiType = 0; }},
};

TEST_F(SettingsFiles, EachKeyIsParsedByItsOwnRule) {
    for (const ParseCase& c : kParseCases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.text);
        const bool main = std::string(c.key) == "UIType";
        WriteFileBytes(Scripts(),
                       main ? ""
                            : "[Mul_Vorlane]\r\n" + std::string(c.key) + "=" + c.text + "\r\n");
        WriteFileBytes(Main(), main ? "[UI]\r\nUIType=" + c.text + "\r\n" : "");
        MissionSettings s = Sentinel();
        ASSERT_TRUE(s.Load());
        MissionSettings expected = Defaults();
        c.expect(expected);
        EXPECT_SAME_RECORD(s, expected);
    }
}

TEST_F(SettingsFiles, EachOddsGroupFallsBackOnItsOwn) {
    WriteFileBytes(Scripts(),
                   "[Mul_Vorlane]\r\nhullpercentA=16909060\r\nhullpercentC=2131364620\r\n");
    MissionSettings s = Sentinel();
    ASSERT_TRUE(s.Load());
    const int8_t want[12] = {4, 3, 2, 1, 60, 45, 55, 20, 12, 11, 10, 127};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(s.hullPercent[i], want[i]) << i;
}

TEST_F(SettingsFiles, RaceIsZeroInSingleModeAndTheMixedSetOtherwise) {
    const struct {
        int32_t type;
        int32_t single, mixed;
        const char* race;
    } cases[] = {
        {0, 5, 262143, "0"}, {1, 5, 262143, "262143"}, {1, 5, -1, "-1"},         {2, 7, 12, "12"},
        {256, 7, 12, "12"},  {-1, 0, 3, "3"},          {0, 262143, 262143, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        MissionSettings s = Defaults();
        s.type = c.type;
        s.raceMask[0] = c.single;
        s.raceMask[1] = c.mixed;
        ASSERT_TRUE(s.Save());
        EXPECT_EQ(Key("type"), std::to_string(c.type));
        EXPECT_EQ(Key("rrace"), std::to_string(c.single));
        EXPECT_EQ(Key("srace"), std::to_string(c.mixed));
        EXPECT_EQ(Key("race"), c.race);
    }
}

TEST_F(SettingsFiles, SaveWritesTheExactTextForms) {
    MissionSettings s = Defaults();
    s.hullPercent[0] = s.hullPercent[1] = s.hullPercent[2] = 0;
    s.hullPercent[3] = -56;
    const struct {
        float multiplier;
        const char* text;
    } multipliers[] = {{1.125f, "1.13"}, {2.5f, "2.50"},  {0.5f, "0.50"},
                       {3.0f, "3.00"},   {1.15f, "1.15"}, {-0.125f, "-0.13"}};
    for (const auto& m : multipliers) {
        s.multiplier = m.multiplier;
        ASSERT_TRUE(s.Save());
        EXPECT_EQ(Key("multiplier"), m.text);
    }
    EXPECT_EQ(Key("hullpercentA"), "-939524096");
    s.hull = 4104;
    s.era = -3;
    s.uiType = 2;
    s.modSupport = -3;
    ASSERT_TRUE(s.Save());
    EXPECT_EQ(Key("hull"), "4104");
    EXPECT_EQ(Key("era"), "-3");
    EXPECT_EQ(Key("ModSupport"), "-3");
    EXPECT_EQ(ReadProfileValue(Main(), "UI", "UIType"), "2");
}

TEST_F(SettingsFiles, SaveClearsTheReservedOddsByteInTheRecord) {
    WriteFileBytes(Scripts(), "[Mul_Vorlane]\r\nhullpercentC=2131364382\r\n");
    MissionSettings s;
    ASSERT_TRUE(s.Load());
    ASSERT_EQ(s.hullPercent[ODDS_RESERVED], 127);
    ASSERT_TRUE(s.Save());
    EXPECT_EQ(s.hullPercent[ODDS_RESERVED], 0);
    EXPECT_EQ(Key("hullpercentC"), "657950");
    EXPECT_EQ(s.hullPercent[ODDS_MONSTER], 10);
}

TEST_F(SettingsFiles, SaveKeepsEveryOtherByteOfBothFiles) {
    const std::string scripts = "; Drakmoor scripts\n"
                                "\n"
                                "[Mul_Other]\n"
                                "multiplier = 9\n"
                                "\n"
                                "[mul_vorlane]\n"
                                "  Multiplier = 2.00   \n"
                                "TYPE=1\n"
                                "; chosen races\n"
                                "rrace =\t7\n"
                                "srace=\"8\"\n"
                                "extra=keep me\n"
                                "\n"
                                "# trailing comment\n"
                                "[Mul_Zed]\n"
                                "era=1\n";
    const std::string main =
        "[Video]\r\nWidth=1024\r\n\r\n[UI]\r\nLanguage=en\r\n\r\n[Sound]\r\nOn=1";
    WriteFileBytes(Scripts(), scripts);
    WriteFileBytes(Main(), main);
    MissionSettings s;
    ASSERT_TRUE(s.Load());
    EXPECT_EQ(s.multiplier, 2.0f);
    EXPECT_EQ(s.type, 1);
    EXPECT_EQ(s.raceMask[0], 7);
    EXPECT_EQ(s.raceMask[1], 8);
    EXPECT_EQ(s.era, 4);
    s.multiplier = 1.5f;
    s.raceMask[1] = 9;
    ASSERT_TRUE(s.Save());
    EXPECT_EQ(ReadFileBytes(Scripts()), "; Drakmoor scripts\n"
                                        "\n"
                                        "[Mul_Other]\n"
                                        "multiplier = 9\n"
                                        "\n"
                                        "[mul_vorlane]\n"
                                        "  Multiplier = 1.50   \n"
                                        "TYPE=1\n"
                                        "; chosen races\n"
                                        "rrace =\t7\n"
                                        "srace=9\n"
                                        "extra=keep me\n"
                                        "race=9\n"
                                        "hull=-1\n"
                                        "hullpercentA=1093813840\n"
                                        "hullpercentB=339160380\n"
                                        "hullpercentC=657950\n"
                                        "era=4\n"
                                        "ModSupport=-1\n"
                                        "\n"
                                        "# trailing comment\n"
                                        "[Mul_Zed]\n"
                                        "era=1\n");
    EXPECT_EQ(
        ReadFileBytes(Main()),
        "[Video]\r\nWidth=1024\r\n\r\n[UI]\r\nLanguage=en\r\nUIType=0\r\n\r\n[Sound]\r\nOn=1");

    // A second save with the same record changes no byte.
    const std::string once = ReadFileBytes(Scripts());
    ASSERT_TRUE(s.Save());
    EXPECT_EQ(ReadFileBytes(Scripts()), once);
}

TEST_F(SettingsFiles, EveryLoadReadsTheFilesAndTheRegistryAgain) {
    WriteFileBytes(Scripts(), "[Mul_Vorlane]\r\nera=1\r\n");
    MissionSettings s;
    ASSERT_TRUE(s.Load());
    EXPECT_EQ(s.era, 1);
    WriteFileBytes(Scripts(), "[Mul_Vorlane]\r\nera=2\r\n");
    ASSERT_TRUE(s.Load());
    EXPECT_EQ(s.era, 2);

    TempFolder other;
    MakeFolder(other.Path() + "Assets");
    MakeFolder(other.Path() + "Assets\\Scripts");
    WriteFileBytes(other.Path() + "Assets\\Scripts\\scripts.ini", "[Mul_Vorlane]\r\nera=3\r\n");
    registry.SetDirectoryText(other.Path());
    ASSERT_TRUE(s.Load());
    EXPECT_EQ(s.era, 3);
    ASSERT_TRUE(s.Save());
    EXPECT_TRUE(FileExists(other.Path() + "drakmoor.ini"));
    EXPECT_FALSE(FileExists(Main()));
}

// Registry failures: nothing is read or written, and the status is the error.
struct LookupFailure {
    const char* name;
    void (*prepare)(RegistrySandbox&);
    DWORD error;
};

const LookupFailure kLookupFailures[] = {
    {"no key", [](RegistrySandbox&) {}, ERROR_FILE_NOT_FOUND},
    {"no value", [](RegistrySandbox& r) { r.CreateGameKey(); }, ERROR_FILE_NOT_FOUND},
    {"value too long", [](RegistrySandbox& r) { r.SetDirectoryText(std::string(300, 'x')); },
     ERROR_MORE_DATA},
};

TEST(SettingsFilesLookup, FailedLookupReadsAndWritesNothing) {
    for (const LookupFailure& c : kLookupFailures) {
        SCOPED_TRACE(c.name);
        RegistrySandbox registry;
        c.prepare(registry);
        MissionSettings s = Sentinel();
        SetLastError(0);
        EXPECT_FALSE(s.Load());
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_SAME_RECORD(s, Sentinel());
        SetLastError(0);
        EXPECT_FALSE(s.Save());
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_SAME_RECORD(s, Sentinel());
    }
}

TEST_F(SettingsFiles, MissingScriptsFolderLoadsDefaultsAndFailsTheFirstWrite) {
    TempFolder bare;
    registry.SetDirectoryText(bare.Path());
    WriteFileBytes(bare.Path() + "drakmoor.ini", "[UI]\r\nUIType=2\r\n");
    MissionSettings s = Sentinel();
    ASSERT_TRUE(s.Load());
    MissionSettings expected = Defaults();
    expected.uiType = 2;
    EXPECT_SAME_RECORD(s, expected);

    s.hullPercent[ODDS_RESERVED] = 5;
    SetLastError(0);
    EXPECT_FALSE(s.Save());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(s.hullPercent[ODDS_RESERVED], 5); // Save stopped before the odds
    EXPECT_EQ(ReadFileBytes(bare.Path() + "drakmoor.ini"), "[UI]\r\nUIType=2\r\n");
    EXPECT_EQ(ListFolder(bare.Path()), "drakmoor.ini");
}

TEST_F(SettingsFiles, ReadOnlyScriptsFileStopsSaveAtTheFirstKey) {
    WriteFileBytes(Scripts(), "[Mul_Vorlane]\r\nera=1\r\n");
    SetFileAttributesA(Scripts().c_str(), FILE_ATTRIBUTE_READONLY);
    MissionSettings s = Defaults();
    s.hullPercent[ODDS_RESERVED] = 5;
    SetLastError(0);
    EXPECT_FALSE(s.Save());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(s.hullPercent[ODDS_RESERVED], 5);
    EXPECT_EQ(ReadFileBytes(Scripts()), "[Mul_Vorlane]\r\nera=1\r\n");
    EXPECT_EQ(ListFolder(ScriptsFolder()), "scripts.ini");
    EXPECT_FALSE(FileExists(Main()));
}

// Ways the main settings file cannot be written, each with its error.
struct MainFailure {
    const char* name;
    void (*prepare)(const std::string& main);
    DWORD error;
};

const MainFailure kMainFailures[] = {
    {"read-only",
     [](const std::string& m) { SetFileAttributesA(m.c_str(), FILE_ATTRIBUTE_READONLY); },
     ERROR_ACCESS_DENIED},
    {"folder in its place",
     [](const std::string& m) {
         DeleteFileA(m.c_str());
         MakeFolder(m);
     },
     ERROR_ACCESS_DENIED},
    {"UTF-16 text",
     [](const std::string& m) {
         WriteFileBytes(m, std::string("\xFF\xFE[\0U\0I\0]\0\r\0\n\0", 14));
     },
     ERROR_INVALID_DATA},
    {"new file's place taken", [](const std::string& m) { MakeFolder(m + kNewFileSuffix); },
     ERROR_ACCESS_DENIED},
};

TEST_F(SettingsFiles, UnwritableMainFileFailsSaveAfterAllScriptsKeysButModSupport) {
    for (const MainFailure& c : kMainFailures) {
        SCOPED_TRACE(c.name);
        WriteFileBytes(Scripts(), "[Mul_Vorlane]\r\nModSupport=7\r\n");
        WriteFileBytes(Main(), "[UI]\r\nUIType=1\r\n");
        c.prepare(Main());
        const std::string mainBefore = ReadFileBytes(Main());
        const std::string listed = ListFolder(game.Directory());
        MissionSettings s = Defaults();
        s.hullPercent[ODDS_RESERVED] = 5;
        s.uiType = 2;
        SetLastError(0);
        EXPECT_FALSE(s.Save());
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_EQ(s.hullPercent[ODDS_RESERVED], 0); // Save got past the odds
        EXPECT_EQ(ReadFileBytes(Scripts()), "[Mul_Vorlane]\r\n"
                                            "ModSupport=7\r\n"
                                            "multiplier=1.10\r\n"
                                            "type=0\r\n"
                                            "rrace=-1\r\n"
                                            "srace=-1\r\n"
                                            "race=0\r\n"
                                            "hull=-1\r\n"
                                            "hullpercentA=1093813840\r\n"
                                            "hullpercentB=339160380\r\n"
                                            "hullpercentC=657950\r\n"
                                            "era=4\r\n");
        EXPECT_EQ(ReadFileBytes(Main()), mainBefore);
        EXPECT_EQ(ListFolder(game.Directory()), listed);
        EXPECT_EQ(ListFolder(ScriptsFolder()), "scripts.ini");
        SetFileAttributesA(Main().c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryA((Main() + kNewFileSuffix).c_str());
        RemoveDirectoryA(Main().c_str());
    }
}

TEST_F(SettingsFiles, MainFileHeldOpenFailsSaveAndStaysWhole) {
    WriteFileBytes(Main(), "[UI]\r\nUIType=1\r\n");
    HANDLE held = CreateFileA(Main().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    MissionSettings s = Defaults();
    s.uiType = 2;
    SetLastError(0);
    EXPECT_FALSE(s.Save());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    CloseHandle(held);
    EXPECT_EQ(ReadFileBytes(Main()), "[UI]\r\nUIType=1\r\n");
    EXPECT_EQ(ListFolder(game.Directory()), "Assets drakmoor.ini");
    EXPECT_EQ(Key("era"), "4");
    EXPECT_EQ(Key("ModSupport"), "");
}

TEST_F(SettingsFiles, Utf16ScriptsFileLoadsDefaultsAndIsNeverRewritten) {
    const std::string utf16("\xFF\xFE[\0M\0u\0l\0_\0V\0o\0r\0l\0a\0n\0e\0]\0\r\0\n\0", 32);
    WriteFileBytes(Scripts(), utf16);
    MissionSettings s = Sentinel();
    ASSERT_TRUE(s.Load());
    EXPECT_SAME_RECORD(s, Defaults());
    SetLastError(0);
    EXPECT_FALSE(s.Save());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_DATA));
    EXPECT_EQ(ReadFileBytes(Scripts()), utf16);
    EXPECT_FALSE(FileExists(Main()));
}

TEST_F(SettingsFiles, AnyBytesLoadWithoutHarmAndSurviveASave) {
    // Binary bytes (no NUL), a very long line and a very long value around a
    // section whose keys must still be found.
    std::string junk;
    uint32_t seed = 99;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const char c = static_cast<char>(1 + (seed >> 16) % 255);
        junk += c == '[' || c == '=' ? 'x' : c;
    }
    const std::string longLine(300000, 'L');
    std::string longValue;
    for (int i = 0; i < 12500; ++i)
        longValue += "12345678";
    const std::string text = junk + "\r\n" + longLine +
                             "\r\n[Mul_Vorlane]\r\ntype=1\r\nhull=" + longValue +
                             "\r\nera=" + longLine + "\r\n[Tail]\r\n" + junk;
    WriteFileBytes(Scripts(), text);
    MissionSettings s = Sentinel();
    ASSERT_TRUE(s.Load());
    MissionSettings expected = Defaults();
    expected.type = 1;
    expected.hull = -1953353337; // the first 63 digits, wrapped
    expected.era = 0;
    EXPECT_SAME_RECORD(s, expected);
    ASSERT_TRUE(s.Save());
    const std::string after = ReadFileBytes(Scripts());
    EXPECT_EQ(after.substr(0, junk.size() + 2 + longLine.size() + 2),
              junk + "\r\n" + longLine + "\r\n");
    EXPECT_EQ(after.substr(after.size() - junk.size()), junk);
    EXPECT_EQ(Key("hull"), std::to_string(expected.hull));
}

} // namespace
