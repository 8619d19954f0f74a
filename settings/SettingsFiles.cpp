#include "settings/MissionSettings.h"

#include "settings/ProfileFile.h"
#include "settings/TextForms.h"

namespace {

constexpr const char* kScriptsFile = "scripts.ini";
constexpr const char* kMainFile = "drakmoor.ini";
constexpr const char* kMissionSection = "Mul_Vorlane";
constexpr const char* kUiSection = "UI";

// The nearest float to 1.1, which writes back as 1.10.
constexpr float kDefaultMultiplier = 1.1f;
constexpr int32_t kDefaultUiType = 0;
constexpr int32_t kDefaultModSupport = -1;

// The integer keys of the mission's section, in the order they are read.
struct IntKey {
    const char* name;
    int32_t& (*field)(MissionSettings&);
    int32_t missing;
};
const IntKey kIntKeys[] = {
    {"type", [](MissionSettings& s) -> int32_t& { return s.type; }, 0},
    {"rrace", [](MissionSettings& s) -> int32_t& { return s.raceMask[0]; }, -1},
    {"srace", [](MissionSettings& s) -> int32_t& { return s.raceMask[1]; }, -1},
    {"hull", [](MissionSettings& s) -> int32_t& { return s.hull; }, -1},
    {"era", [](MissionSettings& s) -> int32_t& { return s.era; }, ERA_GAME},
};

// The keys of the three odds groups, and the odds a missing group stands for.
const char* const kOddsKeys[kOddsGroups] = {"hullpercentA", "hullpercentB", "hullpercentC"};
const int8_t kDefaultOdds[MissionSettings::kOddsCount] = {80, 70, 50, 65, 60, 45,
                                                          55, 20, 30, 10, 10, 0};

int32_t ReadTruncated(const std::string& path, const char* section, const char* key,
                      int32_t missing) {
    const std::string text = ReadProfileValue(path, section, key);
    return text.empty() ? missing : ParseTruncatedText(text);
}

} // namespace

bool MissionSettings::Load() {
    std::string scripts;
    if (!FindScriptsDirectory(scripts))
        return false;
    scripts += kScriptsFile;

    const std::string multiplierText = ReadProfileValue(scripts, kMissionSection, "multiplier");
    multiplier =
        multiplierText.empty() ? kDefaultMultiplier : ParseFloatTextAsFloat(multiplierText);
    for (const IntKey& key : kIntKeys) {
        const std::string text = ReadProfileValue(scripts, kMissionSection, key.name);
        key.field(*this) = text.empty() ? key.missing : ParseIntText(text);
    }
    for (int group = 0; group < kOddsGroups; ++group) {
        const std::string text = ReadProfileValue(scripts, kMissionSection, kOddsKeys[group]);
        if (!text.empty()) {
            UnpackOdds(ParseIntText(text), group, hullPercent);
            continue;
        }
        for (int i = group * kOddsPerGroup; i < (group + 1) * kOddsPerGroup; ++i)
            hullPercent[i] = kDefaultOdds[i];
    }

    std::string main;
    if (!FindGameDirectory(main))
        return false;
    main += kMainFile;
    uiType = ReadTruncated(main, kUiSection, "UIType", kDefaultUiType);
    modSupport = ReadTruncated(scripts, kMissionSection, "ModSupport", kDefaultModSupport);
    return true;
}

bool MissionSettings::Save() {
    std::string scripts, main;
    if (!FindScriptsDirectory(scripts))
        return false;
    scripts += kScriptsFile;
    if (!FindGameDirectory(main))
        return false;
    main += kMainFile;

    // Each write stops the save when it fails; the keys before it stay written.
    const auto mission = [&scripts](const char* key, const std::string& text) {
        return WriteProfileValue(scripts, kMissionSection, key, text);
    };
    const std::string srace = FormatInt(raceMask[1]);
    if (!mission("multiplier", FormatFixed2(multiplier)) || !mission("type", FormatInt(type)) ||
        !mission("rrace", FormatInt(raceMask[0])) || !mission("srace", srace) ||
        !mission("race", type == 0 ? FormatInt(type) : srace) || !mission("hull", FormatInt(hull)))
        return false;
    hullPercent[ODDS_RESERVED] = 0;
    for (int group = 0; group < kOddsGroups; ++group)
        if (!mission(kOddsKeys[group], FormatInt(PackOdds(hullPercent, group))))
            return false;
    return mission("era", FormatInt(era)) &&
           WriteProfileValue(main, kUiSection, "UIType", FormatInt(uiType)) &&
           mission("ModSupport", FormatInt(modSupport));
}
