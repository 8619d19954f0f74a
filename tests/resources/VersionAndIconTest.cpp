// The version block and the application icon.

#include "app/resource.h"
#include "resources/ResourceBytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class VersionBlockTest : public testing::Test {
protected:
    void SetUp() override {
        char path[MAX_PATH] = {};
        ASSERT_GT(GetModuleFileNameA(nullptr, path, sizeof(path)), 0u);
        DWORD handle = 0;
        DWORD size = GetFileVersionInfoSizeA(path, &handle);
        ASSERT_GT(size, 0u);
        block.resize(size);
        ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));
    }

    // False when the block has no such value.
    bool query(const std::string& key, void*& value, UINT& length) {
        return VerQueryValueA(block.data(), key.c_str(), &value, &length) != FALSE;
    }

    std::vector<char> block;
};

TEST_F(VersionBlockTest, FixedPartHoldsFileAndProductVersionsForAWindowsApp) {
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(query("\\", value, length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO info;
    std::memcpy(&info, value, sizeof(info));
    EXPECT_EQ(info.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(info.dwFileVersionMS, MAKELONG(2, 3));
    EXPECT_EQ(info.dwFileVersionLS, MAKELONG(0, 0));
    EXPECT_EQ(info.dwProductVersionMS, MAKELONG(5, 2));
    EXPECT_EQ(info.dwProductVersionLS, MAKELONG(2, 5));
    EXPECT_EQ(info.dwFileFlags, 0u);
    EXPECT_EQ(info.dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(info.dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(VersionBlockTest, UsEnglishStringsHoldTheirValues) {
    struct StringValue {
        const char* key;
        const char* value; // nullptr: any text, not empty
    };
    const StringValue strings[] = {
        {"Comments", ""},
        {"CompanyName", ""},
        {"FileDescription", "Kestrune Application"},
        {"FileVersion", "3.20"},
        {"InternalName", "Kestrune"},
        {"LegalCopyright", nullptr},
        {"LegalTrademarks", ""},
        {"OriginalFilename", "Kestrune.exe"},
        {"PrivateBuild", ""},
        {"ProductName", "Kestrune 3.20 for Drakmoor"},
        {"ProductVersion", "2.5.5.2"},
        {"SpecialBuild", ""},
    };
    for (const StringValue& s : strings) {
        SCOPED_TRACE(s.key);
        void* value = nullptr;
        UINT length = 0;
        ASSERT_TRUE(query(std::string("\\StringFileInfo\\040904b0\\") + s.key, value, length));
        std::string text = length > 0 ? static_cast<const char*>(value) : "";
        if (s.value != nullptr) {
            EXPECT_EQ(text, s.value);
        } else {
            EXPECT_FALSE(text.empty());
        }
    }
}

TEST_F(VersionBlockTest, TranslationIsUsEnglishUnicode) {
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(query("\\VarFileInfo\\Translation", value, length));
    ASSERT_EQ(length, 2 * sizeof(WORD));
    WORD translation[2];
    std::memcpy(translation, value, sizeof(translation));
    EXPECT_EQ(translation[0], 0x409);
    EXPECT_EQ(translation[1], 1200);
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInResource;
    WORD iconId;
};
#pragma pack(pop)

struct IconSize {
    int pixels;
};
const IconSize kIconSizes[] = {{32}, {16}};

TEST(ApplicationIcon, GroupHolds32And16PixelImagesOf16Colours) {
    std::string group;
    ASSERT_TRUE(LoadResourceBytes(MAKEINTRESOURCEA(IDR_MAINFRAME), RT_GROUP_ICON, group));
    ASSERT_GE(group.size(), 6u);
    WORD header[3];
    std::memcpy(header, group.data(), sizeof(header));
    EXPECT_EQ(header[1], 1); // icons, not cursors
    ASSERT_EQ(header[2], 2);
    ASSERT_EQ(group.size(), 6 + 2 * sizeof(GroupIconEntry));
    for (size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(kIconSizes[i].pixels);
        GroupIconEntry entry;
        std::memcpy(&entry, group.data() + 6 + i * sizeof(entry), sizeof(entry));
        EXPECT_EQ(entry.width, kIconSizes[i].pixels);
        EXPECT_EQ(entry.height, kIconSizes[i].pixels);
        EXPECT_EQ(entry.colourCount, 16);
        EXPECT_EQ(entry.planes, 1);
        EXPECT_EQ(entry.bitCount, 4);

        std::string image;
        ASSERT_TRUE(LoadResourceBytes(MAKEINTRESOURCEA(entry.iconId), RT_ICON, image));
        EXPECT_EQ(image.size(), entry.bytesInResource);
        ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
        BITMAPINFOHEADER bitmap;
        std::memcpy(&bitmap, image.data(), sizeof(bitmap));
        EXPECT_EQ(bitmap.biWidth, kIconSizes[i].pixels);
        EXPECT_EQ(bitmap.biHeight, 2 * kIconSizes[i].pixels); // colour bits and mask
        EXPECT_EQ(bitmap.biBitCount, 4);
        EXPECT_EQ(bitmap.biCompression, static_cast<DWORD>(BI_RGB));
    }
}

TEST(ApplicationIcon, LoadsAtEachSizeWithoutScaling) {
    for (const IconSize& size : kIconSizes) {
        SCOPED_TRACE(size.pixels);
        HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                                   MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                                   size.pixels, size.pixels, 0));
        ASSERT_NE(icon, nullptr);
        // The image picked for the size is the one made for it.
        std::string group;
        ASSERT_TRUE(LoadResourceBytes(MAKEINTRESOURCEA(IDR_MAINFRAME), RT_GROUP_ICON, group));
        int id = LookupIconIdFromDirectoryEx(reinterpret_cast<BYTE*>(group.data()), TRUE,
                                             size.pixels, size.pixels, 0);
        std::string image;
        ASSERT_TRUE(LoadResourceBytes(MAKEINTRESOURCEA(id), RT_ICON, image));
        BITMAPINFOHEADER bitmap;
        std::memcpy(&bitmap, image.data(), sizeof(bitmap));
        EXPECT_EQ(bitmap.biWidth, size.pixels);

        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectA(info.hbmColor, sizeof(colour), &colour);
        EXPECT_EQ(colour.bmWidth, size.pixels);
        EXPECT_EQ(colour.bmHeight, size.pixels);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

} // namespace
