#include "dialog_flow/IniFile.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>

namespace {

struct Line {
    std::string raw;  // with its line ending
    std::string body; // without it
};

std::vector<Line> SplitLines(const std::string& text) {
    std::vector<Line> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        end = end == std::string::npos ? text.size() : end + 1;
        Line line{text.substr(at, end - at), text.substr(at, end - at)};
        while (!line.body.empty() && (line.body.back() == '\n' || line.body.back() == '\r'))
            line.body.pop_back();
        lines.push_back(line);
        at = end;
    }
    return lines;
}

std::string Trim(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// Walks the lines, telling for each the section it is in and, for a key line,
// its key and value.
template <typename Visit> void VisitLines(const std::string& text, Visit visit) {
    std::string section;
    for (const Line& line : SplitLines(text)) {
        std::string body = Trim(line.body);
        std::string key, value;
        bool isKey = false;
        if (!body.empty() && body[0] == '[') {
            size_t close = body.find(']');
            section = body.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        } else if (!body.empty() && body[0] != ';') {
            size_t equals = body.find('=');
            if (equals != std::string::npos) {
                isKey = true;
                key = Trim(body.substr(0, equals));
                value = Trim(body.substr(equals + 1));
            }
        }
        visit(line, section, isKey, key, value);
    }
}

} // namespace

const std::initializer_list<const char*> kMissionKeys = {
    "multiplier",   "type",         "rrace",        "srace", "race",      "hull",
    "hullpercentA", "hullpercentB", "hullpercentC", "era",   "ModSupport"};

std::vector<std::string> IniValues(const std::string& text, const std::string& section,
                                   const std::string& key) {
    std::vector<std::string> values;
    VisitLines(text, [&](const Line&, const std::string& in, bool isKey, const std::string& k,
                         const std::string& v) {
        if (isKey && SameName(in, section) && SameName(k, key))
            values.push_back(v);
    });
    return values;
}

std::string WithoutKeys(const std::string& text, const std::string& section,
                        std::initializer_list<const char*> keys) {
    std::string kept;
    VisitLines(text, [&](const Line& line, const std::string& in, bool isKey, const std::string& k,
                         const std::string&) {
        bool drop = false;
        if (isKey && SameName(in, section))
            for (const char* key : keys)
                drop = drop || SameName(k, key);
        if (!drop)
            kept += line.raw;
    });
    return kept;
}

std::string PackedOdds(std::array<int, 4> bytes) {
    std::uint32_t packed = 0;
    for (int i = 0; i < 4; ++i)
        packed |= (static_cast<std::uint32_t>(bytes[i]) & 0xFFu) << (8 * i);
    return std::to_string(static_cast<std::int32_t>(packed));
}

std::array<int, 12> WrittenOdds(const std::string& scriptsIni) {
    std::array<int, 12> odds{};
    const char* keys[] = {"hullpercentA", "hullpercentB", "hullpercentC"};
    for (int group = 0; group < 3; ++group) {
        std::vector<std::string> values = IniValues(scriptsIni, "Mul_Vorlane", keys[group]);
        std::uint32_t packed = static_cast<std::uint32_t>(
            values.size() == 1 ? std::strtoll(values[0].c_str(), nullptr, 10) : 0);
        for (int i = 0; i < 4; ++i)
            odds[group * 4 + i] =
                values.size() == 1 ? static_cast<std::int8_t>((packed >> (8 * i)) & 0xFFu) : 999;
    }
    return odds;
}

std::string ScriptsIni(std::initializer_list<const char*> missionLines) {
    std::string text = "; Mission settings read by the multiplayer scripts\r\n"
                       "[Mul_Arena]\r\n"
                       "rounds=3\r\n"
                       "multiplier=9.99\r\n"
                       "\r\n"
                       "[Mul_Vorlane]\r\n";
    for (const char* line : missionLines)
        text += std::string(line) + "\r\n";
    text += "\r\n"
            "; other missions follow\r\n"
            "[Mul_Patrol]\r\n"
            "waves=4\r\n"
            "era=1\r\n";
    return text;
}
