#pragma once
// Reads an extended dialog template (DLGTEMPLATEEX) from the program's own
// resources, so tests can compare what the resource compiler wrote with what
// the template must hold: styles exactly, places and sizes in dialog units.

#include <windows.h>

#include <string>
#include <vector>

// A template field that holds either a 16-bit ordinal or a text.
struct OrdinalOrText {
    WORD ordinal = 0; // non-zero when the field is an ordinal
    std::string text;
};

struct TemplateControl {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    std::string windowClass; // predefined classes by their names ("Button", ...)
    OrdinalOrText title;
    WORD extraBytes = 0;
};

struct DialogTemplate {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    OrdinalOrText menu;
    OrdinalOrText windowClass;
    std::string title;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::string face;
    std::vector<TemplateControl> controls;
};

// False when the resource is missing, is not an extended template, or ends
// before its last control.
bool ReadDialogTemplate(int templateId, DialogTemplate& result);
