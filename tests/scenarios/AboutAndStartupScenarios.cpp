// The About dialog, the help command of the main window, and the start-up shortcut.
#include "Scenario.h"

#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <tuple>

namespace {

constexpr const char* NOW_CONFIGURED =
    "Kaleidra is now configured to start automatically with Windows. \r\n"
    "Next time you start Windows,Kaleidra will automatically update your wallpaper without any intervention.";
constexpr const char* ALREADY_CONFIGURED = "Kaleidra is already configured to start automatically with Windows.";

class AboutAndStartup : public Scenario {};

// Help opens the index every time, with each viewer's handle released, but not from About;
// the shortcut is written once and then found already there.
TEST_F(AboutAndStartup, HelpOpensTheIndexTheShortcutIsWrittenOnceAndAboutPaintsTheWallAndThreeLines) {
    std::string folder = (world.Root() / "Program/").string();
    WriteFile(folder + "krindex.htm", "<html></html>");
    RunMainWindow([&](CMainDlg& main) {
        world.SendCommand(main, ID_HELP_TOPICS);
        EXPECT_TRUE(world.PressHelpKey(main));
        world.SendCommand(main, ID_AUTO_LAUNCH);
        world.SendCommand(main, ID_AUTO_LAUNCH);
        world.OnNextModal([&](CDialog& dialog) {
            world.paints.clear();
            world.Repaint(dialog);
            EXPECT_TRUE(world.PressHelpKey(dialog));
            RECT client;
            dialog.GetClientRect(&client);
            ASSERT_EQ(world.paints.size(), 4u);
            const PaintRecord& wall = world.paints[0];
            EXPECT_EQ(wall.kind, PaintRecord::Kind::StretchBlt);
            EXPECT_EQ(std::tuple(wall.dest.right, wall.dest.bottom, wall.source.right, wall.source.bottom),
                      std::tuple(client.right, client.bottom, 303, 203));
            const int lineHeight = 13 + 3;  // the headless font's height and leading
            const std::tuple<int, std::string, COLORREF> lines[] = {{5, "Kaleidra 3.0  ", RGB(0, 0, 0)},
                                                                    {4 * lineHeight + 5, folder, RGB(0, 0, 0)},
                                                                    {6 * lineHeight + 5, LoadStringA(IDS_ABOUT_NOTICE),
                                                                     RGB(0, 100, 200)}};
            for (int i = 0; i < 3; ++i) {
                const PaintRecord& text = world.paints[i + 1];
                const auto& [y, line, colour] = lines[i];
                EXPECT_EQ(std::tuple(text.kind, text.dest.left, text.dest.top, text.text, text.textColor, text.bkMode),
                          std::tuple(PaintRecord::Kind::TextOut, 2, y, line, colour, TRANSPARENT));
            }
        });
        world.SendCommand(main, ID_ABOUT);
    });
    ASSERT_EQ(world.shellCalls.size(), 2u);
    EXPECT_EQ(world.shellCalls[0].file, folder + "krindex.htm");
    EXPECT_EQ(world.shellCalls[1].file, folder + "krindex.htm");
    EXPECT_EQ(world.openProcessHandles, 0);
    EXPECT_EQ(Boxes(), (std::vector<Box>{{NOW_CONFIGURED, "Kaleidra", MB_OK | MB_ICONINFORMATION},
                                         {ALREADY_CONFIGURED, "Kaleidra", MB_OK | MB_ICONINFORMATION}}));
    ASSERT_EQ(world.shortcuts.size(), 1u);
    EXPECT_EQ(world.shortcuts[0].path, world.StartupFolder() + "/kaleidra.lnk");
    EXPECT_EQ(Setting("autolaunch"), "1");
}

}  // namespace
