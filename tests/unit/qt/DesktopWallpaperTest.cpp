#include "platform/qt/DesktopWallpaper.h"

#include <QUrl>

#include <gtest/gtest.h>

TEST(WallpaperMethod, TheCurrentDesktopDecidesThenTheSessionThenX11) {
    EXPECT_EQ(ChooseWallpaperMethod("ubuntu:GNOME", nullptr, true), WallpaperMethod::GnomeSettings);
    EXPECT_EQ(ChooseWallpaperMethod("Budgie:GNOME", "plasma", true), WallpaperMethod::GnomeSettings);
    EXPECT_EQ(ChooseWallpaperMethod(nullptr, "xfce", true), WallpaperMethod::Xfce);
    EXPECT_EQ(ChooseWallpaperMethod("", "plasmawayland", false), WallpaperMethod::Plasma);
    EXPECT_EQ(ChooseWallpaperMethod("sway", nullptr, false), WallpaperMethod::None);
}

TEST(WallpaperMethod, XfceWithNoBackdropListedMakesTheFirst) {
    std::vector<Command> fresh = XfceWallpaperCommands("/p.bmp", "");
    ASSERT_EQ(fresh.size(), 1u);
    EXPECT_NE(std::find(fresh[0].begin(), fresh[0].end(), "-n"), fresh[0].end());
    EXPECT_EQ(fresh[0].back(), "/p.bmp");
}

// A name in UTF-8 gets the URI it always had; other bytes are encoded as they are (seen end to end).
TEST(WallpaperMethod, TheFileUriEncodesThePathsOwnBytes) {
    std::string ascii = "/";
    for (char c = 0x20; c < 0x7f; ++c) {
        ascii += c;
    }
    for (const std::string& path : {ascii, std::string("/caf\xc3\xa9.bmp")}) {
        EXPECT_EQ(FileUri(path), QUrl::fromLocalFile(QString::fromStdString(path)).toString(QUrl::FullyEncoded).toStdString());
    }
}
