#include "platform/qt/DesktopWallpaper.h"

#include <gtest/gtest.h>

TEST(WallpaperMethod, TheCurrentDesktopDecidesThenTheSessionThenX11) {
    EXPECT_EQ(ChooseWallpaperMethod("ubuntu:GNOME", nullptr, true), WallpaperMethod::GnomeSettings);
    EXPECT_EQ(ChooseWallpaperMethod("Budgie:GNOME", "plasma", true), WallpaperMethod::GnomeSettings);
    EXPECT_EQ(ChooseWallpaperMethod(nullptr, "xfce", true), WallpaperMethod::Xfce);
    EXPECT_EQ(ChooseWallpaperMethod("", "plasmawayland", false), WallpaperMethod::Plasma);
    EXPECT_EQ(ChooseWallpaperMethod("sway", nullptr, false), WallpaperMethod::None);
}

TEST(WallpaperMethod, XfceWithNoBackdropListedMakesTheFirst) {
    std::vector<QStringList> fresh = XfceWallpaperCommands("/p.bmp", "");
    ASSERT_EQ(fresh.size(), 1u);
    EXPECT_TRUE(fresh[0].contains("-n"));
    EXPECT_EQ(fresh[0].last(), "/p.bmp");
}
