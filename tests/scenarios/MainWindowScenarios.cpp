// The main window: start-up, a second start, hiding and the tray icon, the confirmed Exit,
// its buttons, the right-click menu, the minimized icon, help, the start-up shortcut and About.
#include "Scenario.h"

#include "app/MainWindowIds.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

using namespace std::chrono_literals;
using ::testing::ElementsAre;

namespace {

constexpr const char* NOW_CONFIGURED =
    "Kaleidra is now configured to start automatically with Windows. \r\n"
    "Next time you start Windows,Kaleidra will automatically update your wallpaper without any intervention.";
constexpr const char* ALREADY_CONFIGURED = "Kaleidra is already configured to start automatically with Windows.";
constexpr const char* NOW_CONFIGURED_AT_LOG_IN =
    "Kaleidra is now configured to start automatically when you log in. \r\n"
    "Next time you log in, Kaleidra will automatically update your wallpaper without any intervention.";
constexpr const char* ALREADY_CONFIGURED_AT_LOG_IN =
    "Kaleidra is already configured to start automatically when you log in.";

class MainWindow : public Scenario {};

// A second start then finds the running copy by its class (a timed change has put the
// applied path in its title), shows it restored and in front, and ends. Hide and
// minimizing take the window off the screen; only a left double-click on our tray icon
// brings it back, restored. Exit asks: No changes nothing; Yes stores the settings, removes
// the icon and ends.
TEST_F(MainWindow, LeavesAListSettingsAndATrayIconHidesShowsOnlyFromTheTrayIconAndExitsOnYes) {
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_TRUE(std::filesystem::exists(ListPath()));
        EXPECT_EQ(Setting("ver"), "3.0");
        EXPECT_EQ(dlg.m_hWnd->bigIcon, world.Icon(IDR_MAINFRAME));
        EXPECT_EQ(dlg.m_hWnd->smallIcon, world.Icon(IDR_MAINFRAME));
        EXPECT_EQ(world.comInitializations, 1);
        EXPECT_TRUE(dlg.IsWindowVisible());  // shown by the dialog manager after start-up
        world.Advance(499ms);
        EXPECT_TRUE(dlg.IsWindowVisible());
        world.Advance(1ms);
        EXPECT_FALSE(dlg.IsWindowVisible());
        EXPECT_FALSE(world.HasTimer(dlg.m_hWnd, ID_TIMER_HIDE));
        dlg.SetWindowTextA("/w/a.bmp");
        world.Minimize(dlg);
        world.RunProcess([] { CMainDlg second; });
        EXPECT_EQ(world.exitCode, 0u);
        EXPECT_EQ(world.foregroundWindow, dlg.m_hWnd);
        EXPECT_TRUE(dlg.IsWindowVisible());
        EXPECT_FALSE(dlg.IsIconic());
        EXPECT_EQ(world.TopLevelWindows().size(), 1u);
        world.exitCode.reset();
        world.SendCommand(dlg, IDOK);
        EXPECT_FALSE(dlg.IsWindowVisible());
        dlg.ShowWindow(SW_SHOWNORMAL);
        world.Minimize(dlg);
        EXPECT_FALSE(dlg.IsWindowVisible());
        for (UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_MOUSEMOVE}) {
            world.TrayMessage(dlg, 1, mouse);
        }
        world.TrayMessage(dlg, 2, WM_LBUTTONDBLCLK);  // another icon's id
        EXPECT_FALSE(dlg.IsWindowVisible());
        for (int twice = 0; twice < 2; ++twice) {
            world.TrayMessage(dlg, 1, WM_LBUTTONDBLCLK);
            EXPECT_TRUE(dlg.IsWindowVisible());
            EXPECT_FALSE(dlg.IsIconic());
        }
        world.AnswerNextMessageBox(IDNO);
        world.SendCommand(dlg, IDCANCEL);
        EXPECT_TRUE(dlg.IsWindowVisible());
        EXPECT_TRUE(world.HasTimer(dlg.m_hWnd, ID_TIMER_CHANGE));
        EXPECT_EQ(world.trayCalls.size(), 1u);
        EXPECT_FALSE(world.exitCode);
        dlg.m_nPick = core::PICK_RANDOM;
        world.AnswerNextMessageBox(IDYES);
        world.SendCommand(dlg, IDCANCEL);
        ADD_FAILURE() << "the program went on after a confirmed exit";
    });
    const Box question{LoadStringA(IDS_EXIT_QUESTION), "Confirmation", MB_YESNO | MB_ICONQUESTION};
    EXPECT_EQ(Boxes(), (std::vector<Box>{question, question}));
    EXPECT_EQ(world.exitCode, 0u);
    EXPECT_EQ(Setting("pick"), "0");
    EXPECT_EQ(Setting("mins"), "30.00");
    EXPECT_EQ(world.comInitializations, 0);
    EXPECT_TRUE(world.TopLevelWindows().empty());
    ASSERT_EQ(world.trayCalls.size(), 2u);
    EXPECT_EQ(world.trayCalls[1].message, NIM_DELETE);
    const NOTIFYICONDATAA& icon = world.trayCalls[0].data;
    EXPECT_EQ(std::tuple(world.trayCalls[0].message, icon.cbSize, icon.uID, icon.uFlags, icon.uCallbackMessage),
              std::tuple(NIM_ADD, 88u, 1u, NIF_MESSAGE | NIF_ICON | NIF_TIP, 0x401u));
    EXPECT_STREQ(icon.szTip, "Kaleidra running...Double-click me to show it.");
}

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
        const PaintRecord& icon = world.paints[0];
        EXPECT_EQ(std::tuple(icon.kind, icon.dest.left, icon.dest.top, icon.icon),
                  std::tuple(PaintRecord::Kind::DrawIcon, (client.right - 32 + 1) / 2, (client.bottom - 32 + 1) / 2,
                             dlg.m_hIcon));
    });
    EXPECT_THAT(MessageTexts(), ElementsAre("No image loaded currently. Open an image first."));
    EXPECT_TRUE(world.wallpaperCalls.empty());
    EXPECT_EQ(ReadList(), "/w/a.bmp\n");
}

// Help opens the index every time, with each viewer's handle released, but not from About;
// the shortcut is written once and then found already there.
TEST_F(MainWindow, HelpOpensTheIndexTheShortcutIsWrittenOnceAndAboutPaintsTheWallAndThreeLines) {
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

// A Linux desktop session is not Windows: the same boxes speak of logging in.
TEST_F(MainWindow, TheStartUpEntryBoxesOfALinuxSessionSpeakOfLoggingIn) {
    world.windowsSession = false;
    RunMainWindow([&](CMainDlg& main) {
        world.SendCommand(main, ID_AUTO_LAUNCH);
        world.SendCommand(main, ID_AUTO_LAUNCH);
    });
    EXPECT_EQ(Boxes(), (std::vector<Box>{{NOW_CONFIGURED_AT_LOG_IN, "Kaleidra", MB_OK | MB_ICONINFORMATION},
                                         {ALREADY_CONFIGURED_AT_LOG_IN, "Kaleidra", MB_OK | MB_ICONINFORMATION}}));
}

}  // namespace
