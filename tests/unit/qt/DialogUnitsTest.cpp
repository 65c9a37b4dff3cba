#include "platform/qt/DialogUnits.h"

#include <QFontInfo>

#include <gtest/gtest.h>

TEST(DialogUnits, TheWindowsDialogFontMeasuresAsOnWindows) {
    QFont font = DialogUnits::TemplateFont("MS Sans Serif", 8);
    EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans");
    DialogUnits units(font);
    EXPECT_EQ(units.BaseX(), 6);
    EXPECT_EQ(units.BaseY(), 13);
}

TEST(DialogUnits, ConvertByAQuarterAndAnEighthOfTheBaseRounded) {
    DialogUnits units(DialogUnits::TemplateFont("MS Sans Serif", 8));
    // The main window's picture control: 171 x 163 units hold the 257 x 265 splash.
    EXPECT_EQ(units.X(171), 257);
    EXPECT_EQ(units.Y(163), 265);
    EXPECT_EQ(units.Rect(78, 68, 171, 163), QRect(117, 111, 257, 265));
}

TEST(DialogUnits, AnotherTemplateFontKeepsItsNameAndSize) {
    QFont font = DialogUnits::TemplateFont("DejaVu Serif", 10);
    EXPECT_EQ(font.family(), "DejaVu Serif");
    EXPECT_EQ(font.pixelSize(), 13);  // 10 points at 96 dots per inch
}
