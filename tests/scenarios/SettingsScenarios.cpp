// The schedule as stored between runs: defaults, formats and unreadable values.
#include "Scenario.h"

#include "app/ProgramGlobals.h"

using namespace std::chrono_literals;
using ::testing::ElementsAre;

namespace {

class SettingsStore : public Scenario {};

TEST_F(SettingsStore, FirstRunTakesDefaultsWritesVersionAndShowsNothing) {
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_EQ(dlg.m_nFreq, FREQ_MINUTES);
        EXPECT_EQ(dlg.m_fMins, 30.0f);
        EXPECT_EQ(dlg.m_nPick, PICK_SEQUENTIAL);
        EXPECT_EQ(dlg.m_nLastIndex, 1);
        EXPECT_STREQ(dlg.m_szDay, "");
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

TEST_F(SettingsStore, TextsThatAreNotNumbersReadAsAtoiAndAtofWould) {
    StoreSettings({{"freq", " 0junk"}, {"mins", "soon"}, {"pick", "5"}, {"lastindex", "-3x"}});
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_EQ(dlg.m_nFreq, FREQ_MINUTES);
        EXPECT_EQ(dlg.m_fMins, 0.0f);
        EXPECT_EQ(dlg.m_nPick, 5);
        EXPECT_EQ(dlg.m_nLastIndex, -3);
        EXPECT_EQ(world.TimerPeriod(dlg.m_hWnd, ID_TIMER_CHANGE), 30000u);
    });
    EXPECT_TRUE(world.messageBoxes.empty());
}

TEST_F(SettingsStore, TextOfTwentyCharactersOrMoreCountsAsMissing) {
    StoreSettings({{"freq", "0"}, {"mins", "00000000000000000002"}, {"lastindex", "0000000000000000007"}});
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_EQ(dlg.m_fMins, 0.5f);
        EXPECT_EQ(dlg.m_nLastIndex, 7);  // nineteen characters still fit
    });
    EXPECT_THAT(MessageTexts(), ElementsAre("missing mins error in doregstuff"));
}

TEST_F(SettingsStore, StoredIndexZeroAndDayComeBack) {
    StoreSettings({{"freq", "0"}, {"mins", "5"}, {"lastindex", "0"}, {"day", "03/14/24"}});
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_EQ(dlg.m_nLastIndex, 0);
        EXPECT_STREQ(dlg.m_szDay, "03/14/24");
    });
    // The day read at start-up stays in the field; the store gets today.
    EXPECT_EQ(Setting("day"), "03/15/24");
}

TEST_F(SettingsStore, SaveWritesEveryValueInItsFormat) {
    RunMainWindow([&](CMainDlg& dlg) {
        dlg.m_nPick = PICK_RANDOM;
        dlg.m_nFreq = FREQ_MINUTES;
        dlg.m_fMins = 2.5f;
        dlg.m_nLastIndex = 4;
        world.SetLocalTime(std::chrono::sys_days{std::chrono::year{2031} / 1 / 2} + 8h);
        dlg.SaveSettings();
        EXPECT_EQ(Setting("mins"), "2.50");
        dlg.m_fMins = 0.333f;
        dlg.SaveSettings();
        EXPECT_EQ(dlg.m_fMins, 0.333f);  // used as such for the rest of the run
    });
    EXPECT_EQ(Setting("pick"), "0");
    EXPECT_EQ(Setting("freq"), "0");
    EXPECT_EQ(Setting("mins"), "0.33");  // stored to the hundredth
    EXPECT_EQ(Setting("lastindex"), "4");
    EXPECT_EQ(Setting("day"), "01/02/31");
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
