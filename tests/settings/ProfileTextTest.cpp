#include "settings/ProfileText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct ReadCase {
    const char* name;
    std::string text;
    const char* section;
    const char* key;
    const char* value;
};

const ReadCase kReadCases[] = {
    {"plain", "[Mul_Vorlane]\r\nhull=7\r\n", "Mul_Vorlane", "hull", "7"},
    {"letter case", "[mul_VORLANE]\r\nHuLL=7\r\n", "Mul_Vorlane", "hull", "7"},
    {"blanks", "  [ Mul_Vorlane ]  \r\n \t hull \t=\t 7 9 \t\r\n", "Mul_Vorlane", "hull", "7 9"},
    {"double quotes", "[S]\r\nk=\" 7 \"\r\n", "S", "k", " 7 "},
    {"single quotes", "[S]\r\nk='7'\r\n", "S", "k", "7"},
    {"unmatched quotes", "[S]\r\nk=\"7'\r\n", "S", "k", "\"7'"},
    {"lone quote", "[S]\r\nk=\"\r\n", "S", "k", "\""},
    {"empty quotes", "[S]\r\nk=\"\"\r\n", "S", "k", ""},
    {"inner quotes", "[S]\r\nk=a\"b\"\r\n", "S", "k", "a\"b\""},
    {"empty value", "[S]\r\nk=\r\nk=5\r\n", "S", "k", ""},
    {"value with equals", "[S]\r\nk = a=b\r\n", "S", "k", "a=b"},
    {"semicolon comment", "[S]\r\n;k=1\r\nk=2\r\n", "S", "k", "2"},
    {"hash comment", "[S]\r\n  # k=1\r\nk=2\r\n", "S", "k", "2"},
    {"commented section", ";[S]\r\nk=1\r\n[S]\r\nk=2\r\n", "S", "k", "2"},
    {"line without equals", "[S]\r\nk\r\nk=3\r\n", "S", "k", "3"},
    {"first duplicate key", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "1"},
    {"first duplicate section", "[S]\r\nk=1\r\n[S]\r\nk=2\r\n", "S", "k", "1"},
    {"key only in later duplicate", "[S]\r\na=1\r\n[S]\r\nk=2\r\n", "S", "k", ""},
    {"other section", "[T]\r\nk=1\r\n", "S", "k", ""},
    {"key before any section", "k=1\r\n[S]\r\n", "S", "k", ""},
    {"section ends at next", "[S]\r\n[T]\r\nk=1\r\n", "S", "k", ""},
    {"prefix section name", "[S2]\r\nk=1\r\n", "S", "k", ""},
    {"prefix key name", "[S]\r\nkk=1\r\n", "S", "k", ""},
    {"LF", "[A]\nx=0\n[S]\nk=4\n", "S", "k", "4"},
    {"CR", "[A]\rx=0\r[S]\rk=4\r", "S", "k", "4"},
    {"mixed ends", "[A]\r\nx=0\n[S]\rk=4", "S", "k", "4"},
    {"no final line end", "[S]\r\nk=4", "S", "k", "4"},
    {"UTF-8 mark", "\xEF\xBB\xBF[S]\r\nk=5\r\n", "S", "k", "5"},
    {"mark not at start", "[T]\r\n\xEF\xBB\xBF[S]\r\nk=5\r\n", "S", "k", ""},
    {"text after bracket", "[S] ; note\r\nk=5\r\n", "S", "k", "5"},
    {"last bracket ends the name", "[S]x]\r\nk=5\r\n", "S]x", "k", "5"},
    {"unclosed section", "[S]\r\n[T\r\nk=5\r\n", "S", "k", "5"},
    {"Ctrl-Z blank", "[S]\r\nk=5\x1A\r\n", "S", "k", "5"},
    {"high bytes", "[S]\r\nk=\xE9\xFF\x80\r\n", "S", "k", "\xE9\xFF\x80"},
    {"UTF-16 LE", std::string("\xFF\xFE[\0S\0]\0", 8), "S", "k", ""},
    {"UTF-16 BE", "\xFE\xFF", "S", "k", ""},
    {"NUL byte", std::string("[S]\r\nk=5\r\n\0", 11), "S", "k", "5"},
    {"NUL before the section", std::string("\0junk\r\n[S]\r\nk=6\r\n", 17), "S", "k", "6"},
    {"UTF-16 LE without mark", std::string("[\0S\0]\0\r\0\n\0k\0=\0001\0", 16), "S", "k", ""},
    {"empty text", "", "S", "k", ""},
};

TEST(ProfileText, ReadFindsTheFirstMatchingValue) {
    for (const ReadCase& c : kReadCases)
        EXPECT_EQ(FindProfileValue(c.text, c.section, c.key), c.value) << c.name;
}

TEST(ProfileText, ReadReturnsLongValuesWhole) {
    const std::string value(5000, 'v');
    EXPECT_EQ(FindProfileValue("[S]\nk=" + value + "\n", "S", "k"), value);
}

TEST(ProfileText, OnlyEightBitTextIsHandled) {
    EXPECT_TRUE(IsProfileTextHandled(""));
    EXPECT_TRUE(IsProfileTextHandled("\xEF\xBB\xBF[S]"));
    EXPECT_TRUE(IsProfileTextHandled("\xFF[S]"));
    EXPECT_FALSE(IsProfileTextHandled("\xFF\xFE"));
    EXPECT_FALSE(IsProfileTextHandled("\xFE\xFF[S]"));
    EXPECT_TRUE(IsProfileTextHandled(std::string("a\0b", 3)));
    EXPECT_TRUE(IsProfileTextHandled(std::string("[UI]\r\n\0\0\r\nUIType=1", 16)));
    EXPECT_FALSE(IsProfileTextHandled(std::string("[\0U\0I\0]\0", 8)));
    EXPECT_FALSE(IsProfileTextHandled(std::string("\0[\0U\0I\0]", 8)));
}

TEST(ProfileText, SetKeepsAStrayZeroByte) {
    std::string text("[S]\r\nk=1\r\n\0tail\r\n", 16);
    ASSERT_TRUE(SetProfileValue(text, "S", "k", "22"));
    EXPECT_EQ(text, std::string("[S]\r\nk=22\r\n\0tail\r\n", 17));
}

struct SetCase {
    const char* name;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

const SetCase kSetCases[] = {
    {"changes only the value", "[A]\r\nhull=1\r\n[Mul_Vorlane]\r\n  Hull = 5 ; x  \r\nera=4\r\n",
     "Mul_Vorlane", "hull", "-1", "[A]\r\nhull=1\r\n[Mul_Vorlane]\r\n  Hull = -1  \r\nera=4\r\n"},
    {"quoted value replaced whole", "[S]\nk=\"1\"\n", "S", "k", "2", "[S]\nk=2\n"},
    {"empty value filled", "[S]\nk=\nj=1\n", "S", "k", "2", "[S]\nk=2\nj=1\n"},
    {"empty value after blanks", "[S]\nk =  \n", "S", "k", "2", "[S]\nk =2  \n"},
    {"first duplicate key", "[S]\r\nk=1\r\nk=1\r\n", "S", "k", "2", "[S]\r\nk=2\r\nk=1\r\n"},
    {"first duplicate section", "[S]\r\nk=1\r\n[S]\r\nk=1\r\n", "S", "k", "2",
     "[S]\r\nk=2\r\n[S]\r\nk=1\r\n"},
    {"new key after the last key", "[S]\r\na=1\r\n\r\n; c\r\n[T]\r\nb=1\r\n", "S", "k", "2",
     "[S]\r\na=1\r\nk=2\r\n\r\n; c\r\n[T]\r\nb=1\r\n"},
    {"new key past comments between keys", "[S]\na=1\n;c\nb=1\n\n", "S", "k", "2",
     "[S]\na=1\n;c\nb=1\nk=2\n\n"},
    {"new key in a section without keys", "[S]\r\n; c\r\n[T]\r\n", "S", "k", "2",
     "[S]\r\nk=2\r\n; c\r\n[T]\r\n"},
    {"new key after a line without equals", "[S]\na=1\njunk\n", "S", "k", "2",
     "[S]\na=1\nk=2\njunk\n"},
    {"new key, no final line end", "[S]\na=1", "S", "k", "2", "[S]\na=1\nk=2"},
    {"new key, header is the last line", "[S]", "S", "k", "2", "[S]\r\nk=2"},
    {"new key goes to the first duplicate section", "[S]\r\na=1\r\n[S]\r\nk=1\r\n", "S", "k", "2",
     "[S]\r\na=1\r\nk=2\r\n[S]\r\nk=1\r\n"},
    {"comment that looks like the key stays", "[S]\n;k=1\n", "S", "k", "2", "[S]\nk=2\n;k=1\n"},
    {"new section, LF", "[A]\nx=1\n", "S", "k", "2", "[A]\nx=1\n[S]\nk=2\n"},
    {"new section, CR, no final line end", "[A]\rx=1", "S", "k", "2", "[A]\rx=1\r[S]\rk=2\r"},
    {"new section, first line end decides", "a\r\nb\nc\n", "S", "k", "2",
     "a\r\nb\nc\n[S]\r\nk=2\r\n"},
    {"new section, empty text", "", "S", "k", "2", "[S]\r\nk=2\r\n"},
    {"new section, one line", "; only", "S", "k", "2", "; only\r\n[S]\r\nk=2\r\n"},
    {"new section after UTF-8 mark", "\xEF\xBB\xBF", "S", "k", "2", "\xEF\xBB\xBF[S]\r\nk=2\r\n"},
    {"UTF-8 mark kept", "\xEF\xBB\xBF[S]\nk=1\n", "S", "k", "2", "\xEF\xBB\xBF[S]\nk=2\n"},
    {"key before any section is not it", "k=1\n", "S", "k", "2", "k=1\n[S]\nk=2\n"},
    {"empty value written", "[S]\nk=1\n", "S", "k", "", "[S]\nk=\n"},
    {"high bytes kept", "\x80\xFF=\xE9\r\n[S]\r\n", "S", "k", "2",
     "\x80\xFF=\xE9\r\n[S]\r\nk=2\r\n"},
};

TEST(ProfileText, SetKeepsEveryOtherByte) {
    for (const SetCase& c : kSetCases) {
        std::string text = c.before;
        EXPECT_TRUE(SetProfileValue(text, c.section, c.key, c.value)) << c.name;
        EXPECT_EQ(text, c.after) << c.name;
        EXPECT_EQ(FindProfileValue(text, c.section, c.key), c.value) << c.name;
    }
}

TEST(ProfileText, SetRefusesWhatItCannotWriteAndLeavesTheText) {
    const struct {
        const char* name;
        std::string text;
        std::string section, key, value;
    } cases[] = {
        {"UTF-16 LE", std::string("\xFF\xFE[\0S\0]\0", 8), "S", "k", "1"},
        {"UTF-16 BE", "\xFE\xFF\0[", "S", "k", "1"},
        {"UTF-16 LE without mark", std::string("[\0S\0]\0\n\0", 8), "S", "k", "1"},
        {"line end in value", "[S]\n", "S", "k", "1\r\nx=2"},
        {"NUL in value", "[S]\n", "S", "k", std::string("1\0", 2)},
        {"equals in key", "[S]\n", "S", "k=j", "1"},
        {"line end in key", "[S]\n", "S", "k\n", "1"},
        {"empty key", "[S]\n", "S", "", "1"},
        {"comment key", "[S]\n", "S", ";k", "1"},
        {"bracket in section", "[S]\n", "S]", "k", "1"},
        {"blank around section", "[S]\n", " S", "k", "1"},
        {"empty section", "[S]\n", "", "k", "1"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_FALSE(SetProfileValue(text, c.section, c.key, c.value)) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
    }
}

// Texts made of INI-like pieces, from a fixed seed: setting one key must read
// back as set, leave the value of every other name as it was, and take away
// nothing from the text but a part of one line.
TEST(ProfileText, SetChangesNothingElse) {
    const char* const pieces[] = {
        "[S]", "[s]", "[T]",     "[ S ]", "k=1", "K = 2", "j=3",          "k",    ";k=4",   "#[S]",
        "",    " ",   "x=\"q\"", "[S",    "=5",  "k==6",  "\xEF\xBB\xBF", "\x1A", "[T]k=7", "j",
    };
    const char* const ends[] = {"\r\n", "\n", "\r", ""};
    const char* const keys[] = {"k", "j", "x", "K"};
    const char* const sections[] = {"S", "T", "s", "U"};
    const auto sameName = [](const char* a, const std::string& b) {
        return (a[0] | 32) == (b[0] | 32);
    };
    uint32_t seed = 12345;
    const auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (uint32_t i = next(12); i > 0; --i)
            text.append(pieces[next(20)]).append(ends[next(4)]);
        const std::string section = sections[next(4)];
        const std::string key = keys[next(4)];
        const std::string value = "v" + std::to_string(round);
        std::string changed = text;
        ASSERT_TRUE(SetProfileValue(changed, section, key, value)) << text;
        EXPECT_EQ(FindProfileValue(changed, section, key), value) << text;
        for (const char* s : sections) {
            for (const char* k : keys) {
                if (sameName(s, section) && sameName(k, key))
                    continue;
                EXPECT_EQ(FindProfileValue(changed, s, k), FindProfileValue(text, s, k))
                    << "[" << s << "] " << k << " in:\n"
                    << text;
            }
        }
        size_t head = 0;
        while (head < text.size() && head < changed.size() && text[head] == changed[head])
            ++head;
        size_t tail = 0;
        while (tail < text.size() - head && tail < changed.size() - head &&
               text[text.size() - 1 - tail] == changed[changed.size() - 1 - tail])
            ++tail;
        const std::string removed = text.substr(head, text.size() - head - tail);
        EXPECT_EQ(removed.find_first_of("\r\n"), std::string::npos) << text;
    }
}

} // namespace
