// The extended dialog template as the dialog manager reads it: header fields at their
// offsets, strings as UTF-16, each item DWORD-aligned with its class atom.
#include "platform/win32/DialogTemplateBuilder.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr ControlTemplate CONTROLS[] = {
    {IDOK, ControlKind::DefPushButton, "Go", 10, 20, 50, 14, 0x50010001, 0, 0},
    {7, ControlKind::Bitmap, "", 1, 2, 3, 4, 0x5000020E, 0x00020000, 130},
    {8, ControlKind::ListBox, "", -5, 6, 7, 8, 0x50A10001, 0, 0},
};
constexpr DialogTemplate DIALOG = {99, 329, 292, "MS Sans Serif", 8, "T\xe9st", 0x90CE0000, 0x00040010, 135,
                                   "OurClass", CONTROLS};

// Reads the words back the way the system walks them.
class Reader {
public:
    explicit Reader(const std::vector<WORD>& words) : m_words(words) {}
    WORD Word() { return m_words.at(m_at++); }
    DWORD Dword() {
        DWORD low = Word();
        return low | static_cast<DWORD>(Word()) << 16;
    }
    short Short() { return static_cast<short>(Word()); }
    std::u16string Text() {
        std::u16string text;
        for (WORD c = Word(); c != 0; c = Word()) {
            text.push_back(static_cast<char16_t>(c));
        }
        return text;
    }
    void AlignToDword() { m_at += m_at % 2; }
    size_t Position() const { return m_at; }

private:
    const std::vector<WORD>& m_words;
    size_t m_at = 0;
};

TEST(DialogTemplateBuilder, TheHeaderCarriesStylesSizeClassLatin1CaptionAndFont) {
    std::vector<WORD> words = BuildDialogTemplate(DIALOG);
    Reader in(words);
    EXPECT_EQ(in.Word(), 1);
    EXPECT_EQ(in.Word(), 0xFFFF);
    EXPECT_EQ(in.Dword(), 0u);
    EXPECT_EQ(in.Dword(), 0x00040010u);
    EXPECT_EQ(in.Dword(), 0x90CE0040u) << "a template with a font gets DS_SETFONT";
    EXPECT_EQ(in.Word(), 3);
    EXPECT_EQ(in.Short(), 0);
    EXPECT_EQ(in.Short(), 0);
    EXPECT_EQ(in.Short(), 329);
    EXPECT_EQ(in.Short(), 292);
    EXPECT_EQ(in.Word(), 0) << "the menu bar is attached after creation";
    EXPECT_EQ(in.Text(), u"OurClass");
    EXPECT_EQ(in.Text(), u"T\u00e9st");
    EXPECT_EQ(in.Word(), 8);
    EXPECT_EQ(in.Word(), 400);
    EXPECT_EQ(in.Word(), 0x0100) << "not italic, default character set";
    EXPECT_EQ(in.Text(), u"MS Sans Serif");
}

TEST(DialogTemplateBuilder, EachItemIsAlignedAndNamesItsControlClass) {
    std::vector<WORD> words = BuildDialogTemplate(DIALOG);
    Reader in(words);
    in.Word(), in.Word(), in.Dword(), in.Dword(), in.Dword(), in.Word();
    in.Short(), in.Short(), in.Short(), in.Short(), in.Word();
    in.Text(), in.Text(), in.Word(), in.Word(), in.Word(), in.Text();
    const WORD atoms[] = {BUTTON_CLASS_ATOM, STATIC_CLASS_ATOM, LISTBOX_CLASS_ATOM};
    for (size_t i = 0; i < std::size(CONTROLS); ++i) {
        const ControlTemplate& control = CONTROLS[i];
        in.AlignToDword();
        EXPECT_EQ(in.Position() % 2, 0u);
        EXPECT_EQ(in.Dword(), 0u);
        EXPECT_EQ(in.Dword(), control.exStyle);
        EXPECT_EQ(in.Dword(), control.style);
        EXPECT_EQ(in.Short(), control.x);
        EXPECT_EQ(in.Short(), control.y);
        EXPECT_EQ(in.Short(), control.cx);
        EXPECT_EQ(in.Short(), control.cy);
        EXPECT_EQ(in.Dword(), control.id);
        EXPECT_EQ(in.Word(), 0xFFFF);
        EXPECT_EQ(in.Word(), atoms[i]);
        EXPECT_EQ(in.Text(), std::u16string(control.text, control.text + std::char_traits<char>::length(control.text)));
        EXPECT_EQ(in.Word(), 0) << "no creation data";
    }
    EXPECT_EQ(in.Position(), words.size());
}

TEST(DialogTemplateBuilder, WithoutAFontOrClassTheTemplateEndsAfterTheCaption) {
    DialogTemplate plain = DIALOG;
    plain.fontName = nullptr;
    plain.windowClass = nullptr;
    plain.style = 0x90CE0040;
    plain.controls = {};
    std::vector<WORD> words = BuildDialogTemplate(plain);
    Reader in(words);
    in.Word(), in.Word(), in.Dword(), in.Dword();
    EXPECT_EQ(in.Dword(), 0x90CE0000u) << "DS_SETFONT promises a font that isn't there";
    EXPECT_EQ(in.Word(), 0);
    in.Short(), in.Short(), in.Short(), in.Short(), in.Word();
    EXPECT_EQ(in.Word(), 0) << "the system's dialog class";
    EXPECT_EQ(in.Text(), u"T\u00e9st");
    EXPECT_EQ(in.Position(), words.size());
}

}  // namespace
