#pragma once
// The items that a dialog template carries for its combo boxes, in a resource
// of type "DLGITEMS" named like the template: records of a 16-bit control id
// and a NUL-terminated text, ended by a control id of 0.

#include <windows.h>

#include <string>
#include <vector>

struct TemplateItem {
    int controlId;
    std::string text;
};

// Parses the resource's bytes; stops at the end mark or where the data ends.
std::vector<TemplateItem> ParseTemplateItems(const void* data, size_t size);

// Adds the template's items to the end of each combo box's list. True when
// there are none, or every item was added.
bool AddTemplateComboItems(HWND dialog, int templateId);
