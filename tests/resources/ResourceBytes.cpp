#include "resources/ResourceBytes.h"

bool LoadResourceBytes(LPCSTR name, LPCSTR type, std::string& bytes) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, name, type);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data == nullptr)
        return false;
    bytes.assign(static_cast<const char*>(data), SizeofResource(module, resource));
    return true;
}
