#include "resources/DialogTemplate.h"

#include "resources/ResourceBytes.h"

#include <cstring>

namespace {

// The templates hold ASCII only; anything else shows as '?'.
char Narrow(WORD c) {
    return c < 0x80 ? static_cast<char>(c) : '?';
}

// Walks the template's bytes; every read checks the end first.
class TemplateCursor {
public:
    TemplateCursor(const BYTE* data, size_t size) : data_(data), size_(size) {}

    bool ok() const { return ok_; }

    template <typename T> T read() {
        T value{};
        if (at_ + sizeof(T) > size_) {
            ok_ = false;
            return value;
        }
        std::memcpy(&value, data_ + at_, sizeof(T));
        at_ += sizeof(T);
        return value;
    }

    // A NUL-terminated UTF-16 text.
    std::string readText() {
        std::string text;
        for (WORD c = read<WORD>(); ok_ && c != 0; c = read<WORD>())
            text += Narrow(c);
        return text;
    }

    OrdinalOrText readOrdinalOrText() {
        OrdinalOrText field;
        WORD first = read<WORD>();
        if (first == 0xFFFF) {
            field.ordinal = read<WORD>();
        } else if (first != 0) {
            field.text = Narrow(first) + readText();
        }
        return field;
    }

    void alignToDword() { at_ = (at_ + 3) & ~size_t{3}; }
    void skip(size_t bytes) {
        if (at_ + bytes > size_)
            ok_ = false;
        at_ += bytes;
    }

private:
    const BYTE* data_;
    size_t size_;
    size_t at_ = 0;
    bool ok_ = true;
};

std::string ClassName(const OrdinalOrText& field) {
    switch (field.ordinal) {
    case 0:
        return field.text;
    case 0x80:
        return "Button";
    case 0x81:
        return "Edit";
    case 0x82:
        return "Static";
    case 0x83:
        return "ListBox";
    case 0x84:
        return "ScrollBar";
    case 0x85:
        return "ComboBox";
    default:
        return "#" + std::to_string(field.ordinal);
    }
}

} // namespace

bool ReadDialogTemplate(int templateId, DialogTemplate& result) {
    std::string bytes;
    if (!LoadResourceBytes(MAKEINTRESOURCEA(templateId), RT_DIALOG, bytes))
        return false;
    TemplateCursor in(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size());

    if (in.read<WORD>() != 1 || in.read<WORD>() != 0xFFFF)
        return false; // not an extended template
    result = DialogTemplate{};
    result.helpId = in.read<DWORD>();
    result.exStyle = in.read<DWORD>();
    result.style = in.read<DWORD>();
    WORD count = in.read<WORD>();
    result.x = in.read<short>();
    result.y = in.read<short>();
    result.cx = in.read<short>();
    result.cy = in.read<short>();
    result.menu = in.readOrdinalOrText();
    result.windowClass = in.readOrdinalOrText();
    result.title = in.readText();
    if (result.style & DS_SETFONT) {
        result.pointSize = in.read<WORD>();
        result.weight = in.read<WORD>();
        result.italic = in.read<BYTE>();
        result.charset = in.read<BYTE>();
        result.face = in.readText();
    }
    for (WORD i = 0; i < count && in.ok(); ++i) {
        in.alignToDword();
        TemplateControl control;
        control.helpId = in.read<DWORD>();
        control.exStyle = in.read<DWORD>();
        control.style = in.read<DWORD>();
        control.x = in.read<short>();
        control.y = in.read<short>();
        control.cx = in.read<short>();
        control.cy = in.read<short>();
        control.id = static_cast<int>(in.read<DWORD>());
        control.windowClass = ClassName(in.readOrdinalOrText());
        control.title = in.readOrdinalOrText();
        control.extraBytes = in.read<WORD>();
        in.skip(control.extraBytes);
        if (in.ok())
            result.controls.push_back(control);
    }
    return in.ok();
}
