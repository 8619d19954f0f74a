#include "settings/ProfileFile.h"
#include "settings/FileStore.h"

#include "support/Sandbox.h"

#include <gtest/gtest.h>

namespace {

// Texts that the platform's own reader and ours must read alike.
const char* const kReferenceTexts[] = {
    "[Mul_Vorlane]\r\nmultiplier=1.25\r\ntype=1\r\nhull=-1\r\n",
    "[mul_vorlane]\r\nMULTIPLIER=2\r\nType = 3 \r\n",
    "[ Mul_Vorlane ]\r\nmultiplier=6\r\n",
    "\r\n\r\n  [Mul_Vorlane]  \r\n\t multiplier \t=\t 1.5 x \t\r\n",
    "[Mul_Vorlane]\nmultiplier=\"1.75\"\ntype='2'\nhull=\"7'\nera=\"\"\n",
    "[Mul_Vorlane]\rmultiplier=0.5\rtype=9\r",
    "[Other]\r\nmultiplier=9\r\n[Mul_Vorlane]\r\nmultiplier=3\r\n[Next]\r\ntype=8\r\n",
    "[Mul_Vorlane]\r\nmultiplier=1\r\nmultiplier=2\r\n[Mul_Vorlane]\r\nmultiplier=3\r\ntype=4\r\n",
    "[Mul_Vorlane]\r\n;multiplier=5\r\n#type=6\r\nmultiplier=7\r\n",
    "[Mul_Vorlane]\r\nmultiplier=\r\ntype=\r\n",
    "[Mul_Vorlane]\r\nmultiplier=a=b\r\ntype==1\r\n",
    "\xEF\xBB\xBF[Mul_Vorlane]\r\nmultiplier=4\r\n",
    "[Mul_Vorlane] comment\r\nmultiplier=5\r\n",
    "multiplier=1\r\n[Mul_Vorlane]\r\ntype=2\r\n",
    "[Mul_Vorlane]\r\nmultiplier=1234567890123456789012345678901234567890123456789012345678901234"
    "567890\r\ntype=123456789012345678901234567890123456789012345678901234567890123\r\n"
    "hull=1234567890123456789012345678901234567890123456789012345678901234\r\n",
    "[Mul_Vorlane]\r\nmultiplier="
    "\"123456789012345678901234567890123456789012345678901234567890\"\r\n",
    "[Mul_Vorlane]\r\nmultiplier=1\x1A\r\n",
    "[Mul_Vorlane]\r\nmultiplier=\xE9\xE8\r\n",
    "[Mul_Vorlane]",
    "",
};
const char* const kReferenceKeys[] = {"multiplier", "type", "hull", "era", "ModSupport"};
const char* const kReferenceSections[] = {"Mul_Vorlane", "mul_vorlane", "Other", "Next", "UI"};

TEST(ProfileFile, ReadsWhatThePlatformReaderReads) {
    TempFolder folder;
    int serial = 0;
    for (const char* text : kReferenceTexts) {
        // A fresh name for each text: the platform reader may cache files.
        const std::string path = folder.Path() + "ref" + std::to_string(++serial) + ".ini";
        WriteFileBytes(path, text);
        for (const char* section : kReferenceSections) {
            for (const char* key : kReferenceKeys) {
                char platform[64];
                GetPrivateProfileStringA(section, key, "", platform, sizeof platform, path.c_str());
                EXPECT_EQ(ReadProfileValue(path, section, key), platform)
                    << "[" << section << "] " << key << " in:\n"
                    << text;
            }
        }
    }
}

TEST(ProfileFile, ReadCutsValuesTo63Characters) {
    TempFolder folder;
    const std::string path = folder.Path() + "long.ini";
    const std::string value(100, '7');
    WriteFileBytes(path, "[S]\r\nk=" + value + "\r\n");
    EXPECT_EQ(ReadProfileValue(path, "S", "k"), value.substr(0, 63));
}

TEST(ProfileFile, UnreadableFilesReadAsEmpty) {
    TempFolder folder;
    EXPECT_EQ(ReadProfileValue(folder.Path() + "missing.ini", "S", "k"), "");
    EXPECT_EQ(ReadProfileValue(folder.Path() + "no\\such.ini", "S", "k"), "");
    MakeFolder(folder.Path() + "folder.ini");
    EXPECT_EQ(ReadProfileValue(folder.Path() + "folder.ini", "S", "k"), "");
    const std::string utf16 = folder.Path() + "utf16.ini";
    WriteFileBytes(utf16, std::string("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0001\0", 20));
    EXPECT_EQ(ReadProfileValue(utf16, "S", "k"), "");
}

TEST(ProfileFile, WriteKeepsTheRestOfTheFileAndLeavesNothingBeside) {
    TempFolder folder;
    const std::string path = folder.Path() + "s.ini";
    const std::string before = "; game file\n\n[A]\nx = 1\n\n[Mul_Vorlane]\nhull = 3\n\n[B]\ny=2";
    WriteFileBytes(path, before);
    ASSERT_TRUE(WriteProfileValue(path, "Mul_Vorlane", "hull", "-1"));
    ASSERT_TRUE(WriteProfileValue(path, "Mul_Vorlane", "era", "4"));
    ASSERT_TRUE(WriteProfileValue(path, "UI", "UIType", "0"));
    EXPECT_EQ(ReadFileBytes(path), "; game file\n\n[A]\nx = 1\n\n[Mul_Vorlane]\nhull = -1\nera=4\n"
                                   "\n[B]\ny=2\n[UI]\nUIType=0\n");
    EXPECT_EQ(ListFolder(folder.Path()), "s.ini");
}

TEST(ProfileFile, WriteCreatesAMissingFileInAnExistingFolder) {
    TempFolder folder;
    const std::string path = folder.Path() + "new.ini";
    ASSERT_TRUE(WriteProfileValue(path, "UI", "UIType", "2"));
    EXPECT_EQ(ReadFileBytes(path), "[UI]\r\nUIType=2\r\n");
    EXPECT_EQ(ReadProfileValue(path, "UI", "UIType"), "2");
}

// Ways a file cannot be written; each leaves the file as it was, with the
// error of the step that failed and no new file beside it.
struct UnwritableCase {
    const char* name;
    void (*prepare)(const std::string& path);
    DWORD error;
    bool folderInstead; // a folder stands where the file should be
};

const UnwritableCase kUnwritableCases[] = {
    {"read-only",
     [](const std::string& p) { SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_READONLY); },
     ERROR_ACCESS_DENIED, false},
    {"folder in its place",
     [](const std::string& p) {
         DeleteFileA(p.c_str());
         MakeFolder(p);
     },
     ERROR_ACCESS_DENIED, true},
    {"UTF-16 text",
     [](const std::string& p) { WriteFileBytes(p, std::string("\xFF\xFE[\0U\0I\0]\0", 10)); },
     ERROR_INVALID_DATA, false},
    {"new file's place taken", [](const std::string& p) { MakeFolder(p + kNewFileSuffix); },
     ERROR_ACCESS_DENIED, false},
};

TEST(ProfileFile, UnwritableFilesStayAsTheyWere) {
    for (const UnwritableCase& c : kUnwritableCases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string path = folder.Path() + "drakmoor.ini";
        WriteFileBytes(path, "[UI]\r\nUIType=1\r\n");
        c.prepare(path);
        const std::string before = ReadFileBytes(path);
        const std::string listed = ListFolder(folder.Path());
        SetLastError(0);
        EXPECT_FALSE(WriteProfileValue(path, "UI", "UIType", "2"));
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_EQ(ReadFileBytes(path), before);
        EXPECT_EQ(ListFolder(folder.Path()), listed);
        if (!c.folderInstead) {
            EXPECT_NE(before, "<missing>");
        }
    }
}

TEST(ProfileFile, FileHeldOpenIsNotReplaced) {
    const struct {
        const char* name;
        DWORD share;
        DWORD error;
    } cases[] = {
        {"shared for reading", FILE_SHARE_READ, ERROR_ACCESS_DENIED},
        {"not shared", 0, ERROR_SHARING_VIOLATION},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string path = folder.Path() + "drakmoor.ini";
        WriteFileBytes(path, "[UI]\r\nUIType=1\r\n");
        HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, c.share, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        SetLastError(0);
        EXPECT_FALSE(WriteProfileValue(path, "UI", "UIType", "2"));
        EXPECT_EQ(GetLastError(), c.error);
        CloseHandle(held);
        EXPECT_EQ(ReadFileBytes(path), "[UI]\r\nUIType=1\r\n");
        EXPECT_EQ(ListFolder(folder.Path()), "drakmoor.ini");
    }
}

TEST(ProfileFile, MissingFolderFailsWithPathNotFound) {
    TempFolder folder;
    SetLastError(0);
    EXPECT_FALSE(WriteProfileValue(folder.Path() + "Assets\\Scripts\\scripts.ini", "S", "k", "1"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(ListFolder(folder.Path()), "");
}

} // namespace
