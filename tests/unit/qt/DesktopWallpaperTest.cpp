#include "platform/qt/DesktopWallpaper.h"

#include <gtest/gtest.h>

TEST(WallpaperMethod, TheCurrentDesktopDecidesThenTheSessionThenX11) {
    EXPECT_EQ(ChooseWallpaperMethod("ubuntu:GNOME", nullptr, true), WallpaperMethod::GnomeSettings);
    EXPECT_EQ(ChooseWallpaperMethod("Budgie:GNOME", "plasma", true), WallpaperMethod::GnomeSettings);
    EXPECT_EQ(ChooseWallpaperMethod("KDE", nullptr, false), WallpaperMethod::Plasma);
    EXPECT_EQ(ChooseWallpaperMethod("XFCE", nullptr, true), WallpaperMethod::Xfce);
    EXPECT_EQ(ChooseWallpaperMethod(nullptr, "xfce", true), WallpaperMethod::Xfce);
    EXPECT_EQ(ChooseWallpaperMethod("", "plasmawayland", false), WallpaperMethod::Plasma);
    EXPECT_EQ(ChooseWallpaperMethod("i3", "i3", true), WallpaperMethod::X11Root);
    EXPECT_EQ(ChooseWallpaperMethod("sway", nullptr, false), WallpaperMethod::None);
}

TEST(WallpaperMethod, GnomeGetsTheFileUriForLightAndDark) {
    std::vector<QStringList> commands = GnomeWallpaperCommands("/home/a b/sun.jpg.bmp");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0], (QStringList{"gsettings", "set", "org.gnome.desktop.background", "picture-uri",
                                        "file:///home/a%20b/sun.jpg.bmp"}));
    EXPECT_EQ(commands[1][3], "picture-uri-dark");
    EXPECT_EQ(commands[1][4], commands[0][4]);
}

TEST(WallpaperMethod, XfceSetsEveryListedBackdropImageOrMakesTheFirst) {
    QString listed = "/backdrop/screen0/monitorVirtual1/workspace0/last-image\n"
                     "/backdrop/screen0/monitorVirtual1/workspace0/image-style\n"
                     "/backdrop/screen0/monitorHDMI-1/workspace1/last-image\n";
    std::vector<QStringList> commands = XfceWallpaperCommands("/p.bmp", listed);
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[1], (QStringList{"xfconf-query", "-c", "xfce4-desktop", "-p",
                                        "/backdrop/screen0/monitorHDMI-1/workspace1/last-image", "-s", "/p.bmp"}));
    std::vector<QStringList> fresh = XfceWallpaperCommands("/p.bmp", "");
    ASSERT_EQ(fresh.size(), 1u);
    EXPECT_TRUE(fresh[0].contains("-n"));
    EXPECT_EQ(fresh[0].last(), "/p.bmp");
}
