// The schedule as stored between runs: defaults, formats and unreadable values.
#include "Scenario.h"

#include "app/ProgramGlobals.h"

using ::testing::ElementsAre;

namespace {

class SettingsStore : public Scenario {};

TEST_F(SettingsStore, FirstRunTakesDefaultsWritesVersionAndShowsNothing) {
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_EQ(world.TimerPeriod(dlg.m_hWnd, ID_TIMER_CHANGE), 1800000u);
    });
    EXPECT_TRUE(world.messageBoxes.empty());
    EXPECT_EQ(Setting("ver"), "3.0");
    EXPECT_EQ(Setting("lastindex"), "1");
    EXPECT_EQ(Setting("day"), "03/15/24");
    // Pick, freq and mins are stored only by the Options dialog and at exit.
    EXPECT_EQ(Setting("pick"), std::nullopt);
}

TEST_F(SettingsStore, MissingMinsIsReportedAndRunsEveryThirtySeconds) {
    StoreSettings({{"freq", "0"}});
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_EQ(dlg.m_fMins, 0.5f);
        EXPECT_EQ(world.TimerPeriod(dlg.m_hWnd, ID_TIMER_CHANGE), 30000u);
    });
    ASSERT_EQ(world.messageBoxes.size(), 1u);
    EXPECT_EQ(world.messageBoxes[0].text, "missing mins error in doregstuff");
    EXPECT_EQ(world.messageBoxes[0].caption, "kaleidra");  // the program file's name
    EXPECT_EQ(world.messageBoxes[0].type, MB_OK);
}

TEST_F(SettingsStore, TextOfTwentyCharactersOrMoreCountsAsMissing) {
    StoreSettings({{"freq", "0"}, {"mins", "00000000000000000002"}, {"lastindex", "0000000000000000007"}});
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_EQ(dlg.m_fMins, 0.5f);
        EXPECT_EQ(dlg.m_nLastIndex, 7);  // nineteen characters still fit
    });
    EXPECT_THAT(MessageTexts(), ElementsAre("missing mins error in doregstuff"));
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
