#pragma once
// What the settings dialog's template must hold: its control kinds with their
// exact styles, and its 80 controls in creation order.

#include <windows.h>

#include <cstddef>

enum class Kind {
    GroupBox,
    Label,
    CheckBox,
    EraButton,
    OddsEdit,
    MultiplierEdit,
    AiLevelCombo,
    RaceModeCombo,
    Slider,
    PushButton,
    DefPushButton,
};

struct KindStyle {
    const char* windowClass;
    DWORD style; // every style besides WS_CHILD and WS_VISIBLE
};

const KindStyle& StyleOf(Kind kind);

struct ExpectedControl {
    int id;
    Kind kind;
    const char* text;
    short x, y, cx, cy;
};

constexpr size_t kMissionSetupControlCount = 80;
extern const ExpectedControl kMissionSetupControls[kMissionSetupControlCount];

// The combo boxes' initial items, as the template's item resource lists them.
struct ComboItem {
    int controlId;
    const char* text;
};

constexpr size_t kComboItemCount = 5;
extern const ComboItem kComboItems[kComboItemCount];
