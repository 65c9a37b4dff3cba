// The small translations between Windows' vocabulary and Qt's.
#include "platform/qt/DisplayCheck.h"
#include "platform/qt/FileFilter.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/TrayIcons.h"

#include <gtest/gtest.h>

TEST(FileFilter, EachDescriptionGetsItsPatternsSpaceSeparated) {
    EXPECT_EQ(NameFiltersFromWindowsFilter("Supported Files Types(*.bmp;*.gif;*.jpg;)|*.bmp;*.gif;*.jpg;|"
                                           "Bitmaps (*.bmp)|*.bmp||"),
              (QStringList{"Supported Files Types(*.bmp;*.gif;*.jpg;) (*.[bB][mM][pP] *.[gG][iI][fF] *.[jJ][pP][gG])",
                           "Bitmaps (*.bmp) (*.[bB][mM][pP])"}));
    EXPECT_EQ(NameFiltersFromWindowsFilter("All|*.*||ignored|*.x||"), QStringList{"All (*.*)"});
    EXPECT_TRUE(NameFiltersFromWindowsFilter("").isEmpty());
}

TEST(MessageBoxes, ButtonsIconsAndAnswersAreWindows) {
    EXPECT_EQ(ButtonsFor(MB_OK | MB_ICONEXCLAMATION), QMessageBox::Ok);
    EXPECT_EQ(IconFor(MB_YESNO | MB_ICONQUESTION), QMessageBox::Question);
    EXPECT_EQ(IconFor(MB_ICONEXCLAMATION), QMessageBox::Warning);
    EXPECT_EQ(IconFor(MB_ICONSTOP), QMessageBox::Critical);
    EXPECT_EQ(IconFor(MB_OK), QMessageBox::NoIcon);
    EXPECT_EQ(ResultFor(QMessageBox::No), IDNO);
    EXPECT_EQ(ResultFor(QMessageBox::Ok), IDOK);
    EXPECT_EQ(ResultFor(QMessageBox::NoButton), IDCANCEL);  // closed without an answer
}

TEST(TrayActivation, ADoubleClickOrAStatusNotifierActivationIsTheDoubleClick) {
    EXPECT_EQ(TrayMouseMessage(QSystemTrayIcon::Trigger, false), WM_LBUTTONUP);
    EXPECT_EQ(TrayMouseMessage(QSystemTrayIcon::Trigger, true), WM_LBUTTONDBLCLK);
    EXPECT_EQ(TrayMouseMessage(QSystemTrayIcon::Context, true), WM_RBUTTONUP);
    EXPECT_EQ(TrayMouseMessage(QSystemTrayIcon::MiddleClick, false), 0u);
}

TEST(DisplayCheck, WithoutADisplayTheMessageSaysHowToRunUnderXvfb) {
    std::optional<std::string> message = MissingDisplayMessage(nullptr, "", nullptr, "bin/kaleidra");
    ASSERT_TRUE(message);
    EXPECT_NE(message->find("DISPLAY"), std::string::npos);
    EXPECT_NE(message->find("xvfb-run -a bin/kaleidra"), std::string::npos);
    EXPECT_FALSE(MissingDisplayMessage(":0", nullptr, nullptr, "k"));
    EXPECT_FALSE(MissingDisplayMessage(nullptr, "wayland-0", nullptr, "k"));
    EXPECT_FALSE(MissingDisplayMessage(nullptr, nullptr, "offscreen", "k"));
}
