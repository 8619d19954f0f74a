#include "framework/TemplateItems.h"

#include <cstring>

std::vector<TemplateItem> ParseTemplateItems(const void* data, size_t size) {
    std::vector<TemplateItem> items;
    const auto* bytes = static_cast<const char*>(data);
    size_t at = 0;
    while (at + sizeof(WORD) <= size) {
        WORD id;
        std::memcpy(&id, bytes + at, sizeof(id));
        at += sizeof(id);
        if (id == 0)
            break;
        const void* end = std::memchr(bytes + at, '\0', size - at);
        if (end == nullptr)
            break; // a record cut short is not an item
        size_t length = static_cast<const char*>(end) - (bytes + at);
        items.push_back({id, std::string(bytes + at, length)});
        at += length + 1;
    }
    return items;
}

bool AddTemplateComboItems(HWND dialog, int templateId) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(templateId), "DLGITEMS");
    if (resource == nullptr)
        return true;
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data == nullptr)
        return false;
    for (const TemplateItem& item : ParseTemplateItems(data, SizeofResource(module, resource))) {
        LRESULT index = SendDlgItemMessageA(dialog, item.controlId, CB_ADDSTRING, 0,
                                            reinterpret_cast<LPARAM>(item.text.c_str()));
        if (index < 0)
            return false;
    }
    return true;
}
