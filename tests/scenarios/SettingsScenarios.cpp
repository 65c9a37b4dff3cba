// The schedule as stored between runs: defaults, formats and unreadable values.
#include "Scenario.h"

#include "app/ProgramGlobals.h"


namespace {

class SettingsStore : public Scenario {};

TEST_F(SettingsStore, MissingMinsIsReportedAndTwentyCharactersDoNotFit) {
    StoreSettings({{"freq", "0"}, {"mins", "00000000000000000002"}, {"lastindex", "0000000000000000007"}});
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_EQ(dlg.m_nLastIndex, 7);  // nineteen characters still fit
        EXPECT_EQ(world.TimerPeriod(dlg.m_hWnd, ID_TIMER_CHANGE), 30000u);
    });
    ASSERT_EQ(world.messageBoxes.size(), 1u);
    EXPECT_EQ(world.messageBoxes[0].text, "missing mins error in doregstuff");
    EXPECT_EQ(world.messageBoxes[0].caption, "kaleidra");  // the program file's name
    EXPECT_EQ(world.messageBoxes[0].type, MB_OK);
}

TEST_F(SettingsStore, RefusedWritesAreIgnoredAndTheProgramRunsOn) {
    world.registry.refuseWrites = true;
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_TRUE(world.HasTimer(dlg.m_hWnd, ID_TIMER_CHANGE));
        dlg.SaveSettings();
    });
    EXPECT_EQ(world.registry.Size(), 0u);
    EXPECT_TRUE(world.messageBoxes.empty());
}

}  // namespace
