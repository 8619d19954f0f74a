// The string table, the combo boxes' item data and the manifest.

#include "app/resource.h"
#include "resources/ExpectedMissionSetup.h"
#include "resources/ResourceBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string LoadedString(UINT id) {
    char text[256] = {};
    int length = LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof(text));
    return std::string(text, length > 0 ? length : 0);
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
    reinterpret_cast<std::vector<ULONG_PTR>*>(names)->push_back(reinterpret_cast<ULONG_PTR>(name));
    return TRUE;
}

TEST(StringTable, HoldsTheAboutItemTextAndNothingElse) {
    EXPECT_EQ(LoadedString(IDS_ABOUTBOX), "&About Kestrune...");
    // The strings live in blocks of 16; the About text's block is the only one,
    // so no title string (0xE000) overrides the title taken from the file name.
    std::vector<ULONG_PTR> blocks;
    EnumResourceNamesA(GetModuleHandleA(nullptr), RT_STRING, CollectName,
                       reinterpret_cast<LONG_PTR>(&blocks));
    EXPECT_EQ(blocks, std::vector<ULONG_PTR>{IDS_ABOUTBOX / 16 + 1});
    for (UINT id = IDS_ABOUTBOX / 16 * 16; id < IDS_ABOUTBOX / 16 * 16 + 16; ++id) {
        if (id != IDS_ABOUTBOX) {
            EXPECT_EQ(LoadedString(id), "") << id;
        }
    }
    EXPECT_EQ(LoadedString(0xE000), "");
}

TEST(ComboItemData, IsWordIdThenNulTerminatedTextPerItemEndedByWordZero) {
    std::string expected;
    for (const ComboItem& item : kComboItems) {
        expected += static_cast<char>(item.controlId & 0xFF);
        expected += static_cast<char>(item.controlId >> 8);
        expected += item.text;
        expected += '\0';
    }
    expected += std::string(2, '\0');

    std::string bytes;
    ASSERT_TRUE(LoadResourceBytes(MAKEINTRESOURCEA(IDD_MISSION_SETUP), "DLGITEMS", bytes));
    EXPECT_EQ(bytes, expected);
}

TEST(Manifest, AsksForCommonControlsSixAndDeclaresNoExecutionLevel) {
    std::string manifest;
    ASSERT_TRUE(LoadResourceBytes(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24), manifest));
    const char* present[] = {
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\"",
        ">true</dpiAware>",
        "{e2011457-1546-43c5-a5fe-008deee3d3f0}", // Vista
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", // 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", // 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", // 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", // 10
    };
    for (const char* text : present)
        EXPECT_NE(manifest.find(text), std::string::npos) << text;
    // Without a declared level, 32-bit writes under Program Files are redirected.
    EXPECT_EQ(manifest.find("<requestedExecutionLevel"), std::string::npos);
    EXPECT_EQ(manifest.find("<trustInfo"), std::string::npos);
}

// One piece of information about the process's default activation context,
// which the loader built from the manifest at start-up; empty when there is none.
std::vector<BYTE> QueryProcessContext(ULONG infoClass, DWORD* index) {
    SIZE_T size = 0;
    QueryActCtxW(0, nullptr, index, infoClass, nullptr, 0, &size);
    std::vector<BYTE> info(size);
    if (size == 0 || !QueryActCtxW(0, nullptr, index, infoClass, info.data(), size, nullptr))
        info.clear();
    return info;
}

// The identities of the assemblies that the context binds, as the loader
// encodes them ("name,key=value,...").
std::vector<std::string> BoundAssemblies() {
    std::vector<std::string> names;
    std::vector<BYTE> context = QueryProcessContext(ActivationContextDetailedInformation, nullptr);
    if (context.size() < sizeof(ACTIVATION_CONTEXT_DETAILED_INFORMATION))
        return names;
    DWORD count =
        reinterpret_cast<ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(context.data())->ulAssemblyCount;
    for (DWORD index = 1; index <= count; ++index) {
        std::vector<BYTE> info =
            QueryProcessContext(AssemblyDetailedInformationInActivationContext, &index);
        if (info.size() < sizeof(ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION))
            continue;
        auto* assembly =
            reinterpret_cast<ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(info.data());
        std::string name;
        for (const WCHAR* c = assembly->lpAssemblyEncodedAssemblyIdentity; c && *c; ++c)
            name += *c < 0x80 ? static_cast<char>(*c) : '?';
        names.push_back(name);
    }
    return names;
}

TEST(Manifest, TakesEffectWhenTheProcessStarts) {
    std::vector<std::string> assemblies = BoundAssemblies();
    bool commonControlsSix = false;
    for (const std::string& name : assemblies)
        commonControlsSix |= name.rfind("Microsoft.Windows.Common-Controls,", 0) == 0 &&
                             name.find("version=\"6.") != std::string::npos;
    EXPECT_TRUE(commonControlsSix) << testing::PrintToString(assemblies);
    EXPECT_TRUE(IsProcessDPIAware());
}

} // namespace
