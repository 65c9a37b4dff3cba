// The main window: its buttons, the right-click menu and the minimized icon.
#include "Scenario.h"

#include "app/ProgramGlobals.h"

using ::testing::ElementsAre;

namespace {

class MainWindow : public Scenario {};

// No button is ever shown but the splash picture is. A right-click inside the client area
// opens the File menu, whose items are the menu bar's commands: with no image, Set as
// wallpaper only tells the user.
TEST_F(MainWindow, TheRightClickMenuAndTheMinimizedIconInTheMiddle) {
    WriteList("/w/a.bmp\n");
    RunMainWindow([&](CMainDlg& dlg) {
        for (UINT id : {1u, 2u, 1000u, 1007u, 1008u, 1009u, 1010u, 1011u, 1012u}) {
            EXPECT_FALSE(dlg.GetDlgItem(static_cast<int>(id))->IsWindowVisible()) << id;
        }
        EXPECT_TRUE(dlg.GetDlgItem(IDC_SPLASH)->IsWindowVisible());

        const POINT inside{HeadlessWorld::CLIENT_ORIGIN.x + 10, HeadlessWorld::CLIENT_ORIGIN.y + 10};
        world.RightClick(dlg, inside);
        world.RightClick(dlg, {HeadlessWorld::CLIENT_ORIGIN.x - 1, inside.y});  // the frame
        world.RightClick(dlg, {-1, -1});                                          // Shift+F10
        ASSERT_EQ(world.popupMenus.size(), 1u);
        EXPECT_THAT(world.popupMenus[0].items,
                    ElementsAre("&Open image...", "&Add current image to list", "&Set current as wallpaper",
                                "&View/Edit Image List..."));
        EXPECT_EQ(world.popupMenus[0].flags, TPM_LEFTALIGN | TPM_RIGHTBUTTON);
        EXPECT_EQ(world.popupMenus[0].point.x, inside.x);
        world.ChooseNextMenuItem(ID_SET_AS_WALLPAPER);
        world.RightClick(dlg, inside);

        dlg.ShowWindow(SW_MINIMIZE);
        world.paints.clear();
        dlg.Invalidate();
        world.Pump();
        RECT client;
        dlg.GetClientRect(&client);
        ASSERT_EQ(world.paints.size(), 1u);
        EXPECT_EQ(world.paints[0].kind, PaintRecord::Kind::DrawIcon);
        EXPECT_EQ(world.paints[0].dest.left, (client.right - 32 + 1) / 2);
        EXPECT_EQ(world.paints[0].dest.top, (client.bottom - 32 + 1) / 2);
        EXPECT_EQ(world.paints[0].icon, dlg.m_hIcon);
    });
    EXPECT_THAT(MessageTexts(), ElementsAre("No image loaded currently. Open an image first."));
    EXPECT_TRUE(world.wallpaperCalls.empty());
    EXPECT_EQ(ReadList(), "/w/a.bmp\n");
}

}  // namespace
