// The Options dialog: the schedule shown, edited, stored and applied anew on closing.
#include "Scenario.h"

#include "resources/ResourceIds.h"

#include <cerrno>
#include <cstring>

using ::testing::ElementsAre;

namespace {

constexpr const char* NOTE =
    "NOTE: Not all settings will take effect until next session.\r\n"
    "Alternatively, you can restart Kaleidra to use the latest settings immediately.";

class OptionsDialog : public Scenario {};

TEST_F(OptionsDialog, ADailyScheduleShowsAnEmptyFieldThatTakesTheFocusInMinutesModeAndStoresZero) {
    StoreSettings({{"freq", "1"}, {"mins", "45"}});
    RunDialog(ID_OPTIONS, [&](CMainDlg&, CDialog& dialog) {
        EXPECT_EQ(world.ControlState(dialog, IDC_MINUTES).title, "");
        world.ClickButton(dialog, IDC_EVERY_MINUTES);
        EXPECT_EQ(world.focusWindow, &world.ControlState(dialog, IDC_MINUTES));
        world.SendCommand(dialog, IDOK);
    });
    EXPECT_EQ(Boxes(), (std::vector<Box>{{NOTE, "Kaleidra", MB_OK | MB_ICONINFORMATION}}));
    EXPECT_EQ(Setting("freq"), "0");
    EXPECT_EQ(Setting("mins"), "0.00");
}

// A help page that is missing is reported and the dialog stays.
TEST_F(OptionsDialog, ModesOutsideTheirRangeShowAsSequentialAndEveryRunAndMinutesAreReadFrom29Characters) {
    StoreSettings({{"freq", "7"}, {"pick", "5"}, {"mins", "3"}});
    RunDialog(ID_OPTIONS, [&](CMainDlg&, CDialog& dialog) {
        world.SendCommand(dialog, ID_HELP_TOPICS);
        EXPECT_THAT(MessageTexts(), ElementsAre(std::strerror(ENOENT)));
        EXPECT_FALSE(dialog.m_hWnd->modalEnded);
        EXPECT_EQ(world.ControlState(dialog, IDC_RANDOM_PICK).check, BST_UNCHECKED);
        EXPECT_EQ(world.ControlState(dialog, IDC_EVERY_RUN).check, BST_CHECKED);
        world.TypeText(dialog, IDC_MINUTES, std::string(27, '0') + "1.5");
        world.SendCommand(dialog, IDOK);
    });
    EXPECT_EQ(Setting("freq"), "2");
    EXPECT_EQ(Setting("pick"), "1");
    EXPECT_EQ(Setting("mins"), "1.00");  // the numeric start of the first 29 characters
}

// Closing without OK still stores the settings and runs the change step: in every-run
// mode that applies the next entry.
TEST_F(OptionsDialog, CancelChangesNothingButAppliesTheScheduleAgain) {
    WriteList("one.bmp\ntwo.bmp\nthree.bmp\n");
    StoreSettings({{"freq", "2"}, {"mins", "5"}, {"pick", "1"}, {"lastindex", "1"}});
    RunDialog(ID_OPTIONS, [&](CMainDlg&, CDialog& dialog) {
        world.ClickButton(dialog, IDC_EVERY_MINUTES);
        world.SendCommand(dialog, IDCANCEL);
    });
    EXPECT_THAT(MessageTexts(), ::testing::IsEmpty());
    EXPECT_THAT(WallpaperPaths(), ElementsAre("two.bmp", "three.bmp"));
    EXPECT_EQ(Setting("lastindex"), "3");
    EXPECT_EQ(Setting("freq"), "2");
}

}  // namespace
