// When the wallpaper changes and which entry comes next.
#include "Scenario.h"

#include "app/MainWindowIds.h"

#include <set>

using namespace std::chrono_literals;
using ::testing::ElementsAre;

namespace {

constexpr const char* ABC = "/w/a.bmp\n/w/b.bmp\n/w/c.bmp\n";

class Rotation : public Scenario {};

// The list is counted at each change step, and a tick uses the count of the last one.
TEST_F(Rotation, MinutesModeChangesNothingAtStartAndTheNextEntryAfterEachPeriod) {
    WriteList("/w/a.bmp\n/w/b.bmp\n");
    StoreSettings({{"freq", "0"}, {"pick", "1"}, {"lastindex", "1"}, {"mins", "2.00"}});
    RunMainWindow([&](CMainDlg& dlg) {
        dlg.AddToList("/w/c.bmp");
        world.Advance(120000ms - 1ms);
        EXPECT_TRUE(world.wallpaperCalls.empty());
        world.Advance(1ms);
        EXPECT_THAT(WallpaperPaths(), ElementsAre("/w/b.bmp"));
        EXPECT_EQ(dlg.GetWindowTextA(), "/w/b.bmp");  // the applied path, without its line break
        EXPECT_EQ(Setting("lastindex"), "2");
        world.Advance(3min);
        dlg.ChangeWallpaper();  // counts again and starts a new full period
        world.Advance(119s);
        EXPECT_EQ(world.wallpaperCalls.size(), 2u);
        world.Advance(121s);
        // A tick's box runs a message loop of its own, in which the timer goes on ticking:
        // no other box opens on top of it.
        std::filesystem::remove(ListPath());
        world.OnNextMessageBox([&](const MessageBoxRecord&) { return world.Advance(5min), IDOK; });
        world.Advance(2min);
        EXPECT_EQ(world.messageBoxes.size(), 2u);  // the addition's and the tick's
    });
    EXPECT_THAT(WallpaperPaths(), ElementsAre("/w/b.bmp", "/w/a.bmp", "/w/b.bmp", "/w/c.bmp"));
    const WallpaperCall& call = world.wallpaperCalls[0];
    // Broadcast, not written to the user's profile.
    EXPECT_EQ(std::tie(call.action, call.param, call.flags), std::tuple(SPI_SETDESKWALLPAPER, 0u, SPIF_SENDCHANGE));
}

// Set as wallpaper then applies the current image and adds it to the list, but leaves the
// schedule and the title alone.
TEST_F(Rotation, RandomPickReachesEveryEntryAndRepeatsWithinASecondAndSetAsWallpaperAddsToTheList) {
    WriteList(ABC);
    StoreSettings({{"freq", "2"}, {"pick", "0"}, {"lastindex", "1"}, {"mins", "30.00"}});
    std::set<int> picked;
    RunMainWindow([&](CMainDlg& dlg) {
        for (int second = 0; second < 50; ++second) {
            world.Advance(1s);
            dlg.ChangeWallpaper();
            picked.insert(dlg.m_nLastIndex);
        }
        const int index = dlg.m_nLastIndex;
        dlg.ChangeWallpaper();
        EXPECT_EQ(dlg.m_nLastIndex, index);
        const std::string title = dlg.GetWindowTextA();
        world.wallpaperCalls.clear();
        dlg.m_strImagePath = "/pics/sun.jpg.bmp";
        world.SendCommand(dlg, ID_SET_AS_WALLPAPER);
        world.SendCommand(dlg, ID_SET_AS_WALLPAPER);
        EXPECT_EQ(dlg.m_nLastIndex, index);
        EXPECT_EQ(dlg.GetWindowTextA(), title);
    });
    EXPECT_THAT(picked, ElementsAre(0, 1, 2));
    EXPECT_THAT(WallpaperPaths(), ElementsAre("/pics/sun.jpg.bmp", "/pics/sun.jpg.bmp"));
    EXPECT_EQ(ReadList(), std::string(ABC) + "/pics/sun.jpg.bmp\n/pics/sun.jpg.bmp\n");
    EXPECT_THAT(MessageTexts(), ElementsAre("Image successfully added to Image List.",
                                            "Image successfully added to Image List."));
}

TEST_F(Rotation, ATickOnAnEmptyListAppliesNothingButStoresTheDay) {
    StoreSettings({{"freq", "2"}, {"pick", "1"}, {"lastindex", "4"}, {"mins", "30.00"}});
    RunMainWindow([&](CMainDlg& dlg) {
        world.registry.Erase("Software\\Shareware\\Kaleidra\\3.0\\day");
        dlg.WindowProc(WM_TIMER, ID_TIMER_CHANGE, 0);
        EXPECT_EQ(dlg.GetWindowTextA(), "Kaleidra 3.0  ");
    });
    EXPECT_TRUE(world.wallpaperCalls.empty());
    EXPECT_TRUE(world.messageBoxes.empty());
    EXPECT_EQ(Setting("day"), "03/15/24");
}

}  // namespace
