#include "platform/win32/DialogTemplateBuilder.h"

namespace {

constexpr WORD EXTENDED_VERSION = 1;
constexpr WORD EXTENDED_SIGNATURE = 0xFFFF;
constexpr WORD ORDINAL_FOLLOWS = 0xFFFF;
constexpr WORD FONT_WEIGHT_NORMAL = 400;
constexpr WORD DEFAULT_CHARSET_NOT_ITALIC = 1 << 8;  // italic byte 0, then charset byte 1

class TemplateWriter {
public:
    void Word(WORD value) { m_words.push_back(value); }
    void Short(short value) { Word(static_cast<WORD>(value)); }
    void Dword(DWORD value) {
        Word(static_cast<WORD>(value & 0xFFFF));
        Word(static_cast<WORD>(value >> 16));
    }
    // A zero-terminated UTF-16 string; null writes the empty string.
    void Text(const char* text) {
        for (const char* c = text; c != nullptr && *c != '\0'; ++c) {
            Word(static_cast<unsigned char>(*c));
        }
        Word(0);
    }
    void AlignToDword() {
        if (m_words.size() % 2 != 0) {
            Word(0);
        }
    }
    std::vector<WORD> Take() { return std::move(m_words); }

private:
    std::vector<WORD> m_words;
};

void WriteHeader(TemplateWriter& out, const DialogTemplate& dialog) {
    const bool hasFont = dialog.fontName != nullptr;
    out.Word(EXTENDED_VERSION);
    out.Word(EXTENDED_SIGNATURE);
    out.Dword(0);  // help id
    out.Dword(dialog.exStyle);
    out.Dword(hasFont ? dialog.style | DS_SETFONT_STYLE : dialog.style & ~DS_SETFONT_STYLE);
    out.Word(static_cast<WORD>(dialog.controls.size()));
    out.Short(0);
    out.Short(0);
    out.Short(dialog.cx);
    out.Short(dialog.cy);
    out.Word(0);  // no menu resource
    out.Text(dialog.windowClass);
    out.Text(dialog.caption);
    if (hasFont) {
        out.Word(dialog.pointSize);
        out.Word(FONT_WEIGHT_NORMAL);
        out.Word(DEFAULT_CHARSET_NOT_ITALIC);
        out.Text(dialog.fontName);
    }
}

void WriteControl(TemplateWriter& out, const ControlTemplate& control) {
    out.AlignToDword();
    out.Dword(0);  // help id
    out.Dword(control.exStyle);
    out.Dword(control.style);
    out.Short(control.x);
    out.Short(control.y);
    out.Short(control.cx);
    out.Short(control.cy);
    out.Dword(control.id);
    out.Word(ORDINAL_FOLLOWS);
    out.Word(ControlClassAtom(control.kind));
    out.Text(control.text);
    out.Word(0);  // no creation data
}

}  // namespace

WORD ControlClassAtom(ControlKind kind) {
    switch (kind) {
    case ControlKind::Bitmap:
    case ControlKind::Text:
        return STATIC_CLASS_ATOM;
    case ControlKind::Edit:
        return EDIT_CLASS_ATOM;
    case ControlKind::ListBox:
        return LISTBOX_CLASS_ATOM;
    default:
        return BUTTON_CLASS_ATOM;
    }
}

std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialog) {
    TemplateWriter out;
    WriteHeader(out, dialog);
    for (const ControlTemplate& control : dialog.controls) {
        WriteControl(out, control);
    }
    return out.Take();
}
