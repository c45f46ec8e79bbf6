#include "framework/win32/PageDialogTemplate.h"

#include <cstring>
#include <string>
#include <string_view>

namespace {

// Predefined window classes by atom, as dialog templates name them.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

class TemplateWriter {
public:
    void Word(WORD value) { m_words.push_back(value); }
    void Dword(DWORD value) {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    void Short(int value) { Word(static_cast<WORD>(static_cast<short>(value))); }
    // Templates hold UTF-16 text whichever calls read them later.
    void Text(std::string_view text) {
        if (!text.empty()) {
            const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
            std::wstring wide(static_cast<std::size_t>(length), L'\0');
            MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
            for (wchar_t c : wide) Word(static_cast<WORD>(c));
        }
        Word(0);
    }
    void AlignToDword() {
        if (m_words.size() % 2 != 0) Word(0);
    }
    std::vector<std::uint32_t> Finish() {
        AlignToDword();
        std::vector<std::uint32_t> out(m_words.size() / 2);
        std::memcpy(out.data(), m_words.data(), m_words.size() * sizeof(WORD));
        return out;
    }

private:
    std::vector<WORD> m_words;
};

WORD ClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextField: return kEditClass;
        case ControlKind::Label: return kStaticClass;
        default: return kButtonClass;
    }
}

}  // namespace

DWORD ControlStyle(const ControlTemplate& control) {
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (control.groupStart) style |= WS_GROUP;
    if (control.tabStop) style |= WS_TABSTOP;
    switch (control.kind) {
        case ControlKind::Label: style |= SS_LEFT; break;
        case ControlKind::TextField: style |= ES_LEFT | ES_AUTOHSCROLL | WS_BORDER; break;
        case ControlKind::CheckBox: style |= BS_AUTOCHECKBOX | BS_LEFTTEXT; break;
        case ControlKind::RadioButton: style |= BS_AUTORADIOBUTTON; break;
        case ControlKind::PushButton: style |= BS_PUSHBUTTON; break;
        case ControlKind::GroupBox: style |= BS_GROUPBOX; break;
    }
    return style;
}

std::vector<std::uint32_t> BuildPageDialogTemplate(const DialogTemplate& dialog) {
    TemplateWriter out;
    // A child of the sheet, nested in its keyboard navigation.
    out.Dword(DS_SETFONT | DS_CONTROL | DS_3DLOOK | WS_CHILD | WS_CAPTION);
    out.Dword(0);
    out.Word(static_cast<WORD>(dialog.controls.size()));
    out.Short(0);
    out.Short(0);
    out.Short(dialog.width);
    out.Short(dialog.height);
    out.Word(0);  // no menu
    out.Word(0);  // the standard dialog class
    out.Text(dialog.title);
    out.Word(static_cast<WORD>(dialog.fontPointSize));
    out.Text(dialog.fontName);

    for (const ControlTemplate& control : dialog.controls) {
        out.AlignToDword();
        out.Dword(ControlStyle(control));
        out.Dword(0);
        out.Short(control.rect.x);
        out.Short(control.rect.y);
        out.Short(control.rect.width);
        out.Short(control.rect.height);
        out.Word(static_cast<WORD>(control.id));  // kNoControlId is the usual 0xFFFF
        out.Word(0xFFFF);
        out.Word(ClassOf(control.kind));
        out.Text(control.text);
        out.Word(0);  // no creation data
    }
    return out.Finish();
}
