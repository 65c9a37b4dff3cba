// The extended dialog template's header as the dialog manager reads it. The items behind it,
// and templates without a class, are read by Wine in every end-to-end run: each dialog is
// built from its template there.
#include "platform/win32/DialogTemplateBuilder.h"
#include "support/Bytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr ControlTemplate CONTROLS[] = {{IDOK, ControlKind::DefPushButton, "Go", 10, 20, 50, 14, 0x50010001, 0, 0}};
constexpr DialogTemplate DIALOG = {99, 329, 292, "MS Sans Serif", 8, "T\xe9st", 0x90CE0000, 0x00040010, 135,
                                   "OurClass", CONTROLS};

std::vector<WORD> Words(const std::u16string& text) {
    std::vector<WORD> words(text.begin(), text.end());
    words.push_back(0);
    return words;
}

TEST(DialogTemplateBuilder, TheHeaderCarriesStylesSizeClassLatin1CaptionAndFont) {
    const std::vector<WORD> words = BuildDialogTemplate(DIALOG);
    // Version and signature, help id, extended style, style (low word first; a template with
    // a font gets DS_SETFONT), item count, position, size, no menu: the menu bar is attached
    // after creation. The font: weight 400, not italic, default character set.
    const std::vector<WORD> header = Cat({{1, 0xFFFF, 0, 0, 0x0010, 0x0004, 0x0040, 0x90CE, 1, 0, 0, 329, 292, 0},
                                          Words(u"OurClass"), Words(u"T\u00e9st"), {8, 400, 0x0100},
                                          Words(u"MS Sans Serif")});
    ASSERT_GT(words.size(), header.size());
    EXPECT_EQ(std::vector<WORD>(words.begin(), words.begin() + header.size()), header);
}

}  // namespace
