// What the list, the schedule and the settings report, as the main window shows it: texts,
// captions, flags and order.
#include "Scenario.h"

#include "app/MainWindowIds.h"

#include <cstring>

namespace {

constexpr const char* FOUND =
    "Previous version of Kaleidra Image List found.\r\nClick OK to convert the list so it can be used with this version.";
constexpr const char* CONVERTED = "Image List successfully converted.";

class CoreMessages : public Scenario {};

// The old list is taken over and one that stays is named as this system spells it, as is one
// left with entries too long for a line, whose other entries are taken over. A list
// that cannot be opened is told when counted and when read; refused writes of the settings
// show nothing and the program runs on.
TEST_F(CoreMessages, EachIsShownInOrderInABoxOfItsKind) {
    const std::filesystem::path oldList = world.NativePath("C:\\Kaleidra\\Kaleidra.LST");
    std::filesystem::create_directories(oldList.parent_path());
    WriteFile(oldList.string(), "one\n");
    world.FailNext(HeadlessCall::DeleteFile, EACCES);
    StoreSettings({{"freq", "0"}});
    world.registry.refuseWrites = true;
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_EQ(ReadList(), "one\n");
        EXPECT_TRUE(world.HasTimer(dlg.m_hWnd, ID_TIMER_CHANGE));
        WriteFile(oldList.string(), "two\n" + std::string(300, 'x') + "\n");
        dlg.MigrateOldList();
        EXPECT_EQ(ReadList(), "one\ntwo\n");  // the long entry stays behind, in the old list
        EXPECT_TRUE(std::filesystem::exists(oldList));
        std::filesystem::remove(ListPath());
        dlg.m_nFreq = core::FREQ_EVERYRUN;
        dlg.ChangeWallpaper();
        dlg.SaveSettings();
    });
    EXPECT_EQ(world.registry.Size(), 1u);
    const std::string notDeleted = "Attempt to delete old list failed. This may be due to access problems.\r\n"
                                   "Please delete the older version " +
                                   world.NativePath("C:\\Kaleidra\\Kaleidra.lst") +
                                   " manually to prevent overwriting the new list.";
    EXPECT_EQ(Boxes(), (std::vector<Box>{{FOUND, "Kaleidra", MB_OK},
                                         {CONVERTED, "Kaleidra", MB_OK},
                                         {notDeleted, "Kaleidra", MB_OK},
                                         {"missing mins error in doregstuff", "kaleidra", MB_OK},
                                         {FOUND, "Kaleidra", MB_OK},
                                         {CONVERTED, "Kaleidra", MB_OK},
                                         {"1 entry of the old Image List is longer than the 258 characters a line can "
                                          "hold and was not taken over. The old list stays in " +
                                              world.NativePath("C:\\Kaleidra\\Kaleidra.lst") + " with it.",
                                          "Kaleidra", MB_OK},
                                         {std::strerror(ENOENT), "kaleidra", MB_OK | MB_ICONEXCLAMATION},
                                         {std::strerror(ENOENT), "kaleidra", MB_OK | MB_ICONEXCLAMATION}}));
}

}  // namespace
