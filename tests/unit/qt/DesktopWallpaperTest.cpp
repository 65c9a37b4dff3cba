#include "platform/qt/BackgroundJob.h"
#include "platform/qt/DesktopWallpaper.h"

#include <QTimer>
#include <QUrl>

#include <cerrno>
#include <chrono>

#include <gtest/gtest.h>

// One desktop a name: the end-to-end run starts the program in each of them.
TEST(WallpaperMethod, TheCurrentDesktopDecidesThenTheSessionThenSwayThenX11) {
    using enum WallpaperMethod;
    struct { DesktopSession session; WallpaperMethod method; } cases[] = {
        {{.currentDesktop = "Budgie:GNOME", .desktopSession = "plasma"}, Gnome},
        {{.currentDesktop = "", .desktopSession = "plasmawayland"}, Plasma},
        {{.desktopSession = "xfce", .hasX11 = true}, Xfce},
        {{.currentDesktop = "Hyprland", .sway = true}, Sway},
        {{.currentDesktop = "i3", .hasX11 = true}, X11Root},
        {{.currentDesktop = "Hyprland", .wayland = true, .hasX11 = true}, None},
        {{}, None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseWallpaperMethod(c.session), c.method) << (c.session.currentDesktop ? c.session.currentDesktop : "-");
    }
}

// A hung command ends at its time; meanwhile the window's events go on.
TEST(DesktopCommands, RunOffTheWindowWithinTheirTime) {
    bool timerFired = false;
    QTimer::singleShot(0, [&] { timerFired = true; });
    auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(RunInBackground([] { return RunCommand({"sleep", "5"}, 300).has_value(); }));
    EXPECT_EQ(errno, EIO);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(3));
    EXPECT_TRUE(timerFired);
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
