// What the list, the schedule and the settings report, as the main window shows it: texts,
// captions, flags and order.
#include "Scenario.h"

#include "app/ProgramGlobals.h"

#include <cstring>
#include <filesystem>

using ::testing::ElementsAre;

namespace {

constexpr const char* FOUND =
    "Previous version of Kaleidra Image List found.\r\nClick OK to convert the list so it can be used with this version.";
constexpr const char* CONVERTED = "Image List successfully converted.";

class CoreMessages : public Scenario {
protected:
    std::string OldListPath() const { return world.NativePath("C:\\Kaleidra\\Kaleidra.LST"); }
    void WriteOldList(std::string_view contents) const {
        std::filesystem::create_directories(std::filesystem::path(OldListPath()).parent_path());
        WriteFile(OldListPath(), contents);
    }
};

// Refused writes of the settings show nothing and the program runs on.
TEST_F(CoreMessages, MissingMinsIsReportedInABoxNamedAfterTheProgramFileAndRefusedWritesAreNot) {
    StoreSettings({{"freq", "0"}});
    world.registry.refuseWrites = true;
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_TRUE(world.HasTimer(dlg.m_hWnd, ID_TIMER_CHANGE));
        dlg.SaveSettings();
    });
    EXPECT_EQ(world.registry.Size(), 1u);
    ASSERT_EQ(world.messageBoxes.size(), 1u);
    EXPECT_EQ(world.messageBoxes[0].text, "missing mins error in doregstuff");
    EXPECT_EQ(world.messageBoxes[0].caption, "kaleidra");  // the program file's name
    EXPECT_EQ(world.messageBoxes[0].type, MB_OK);
}

TEST_F(CoreMessages, AListThatCannotBeOpenedShowsTheSystemsText) {
    StoreSettings({{"freq", "2"}, {"mins", "1"}});
    RunMainWindow([&](CMainDlg& dlg) {
        std::filesystem::remove(ListPath());
        dlg.ChangeWallpaper();
    });
    ASSERT_EQ(world.messageBoxes.size(), 2u);  // counting, then reading
    EXPECT_EQ(world.messageBoxes[0].text, std::strerror(ENOENT));
    EXPECT_EQ(world.messageBoxes[0].caption, "kaleidra");
    EXPECT_EQ(world.messageBoxes[0].type, MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(CoreMessages, EachOldListStepIsToldAndOneThatStaysIsNamedAsThisSystemSpellsIt) {
    WriteOldList("one\n");
    world.FailNext(HeadlessCall::DeleteFile, EACCES);
    RunMainWindow();
    EXPECT_EQ(ReadList(), "one\n");
    EXPECT_THAT(MessageTexts(), ElementsAre(FOUND, CONVERTED,
                                            "Attempt to delete old list failed. This may be due to access problems.\r\n"
                                            "Please delete the older version " +
                                                world.NativePath("C:\\Kaleidra\\Kaleidra.lst") +
                                                " manually to prevent overwriting the new list."));
    EXPECT_EQ(world.messageBoxes[0].caption, "Kaleidra");
    EXPECT_EQ(world.messageBoxes[0].type, MB_OK);
}

}  // namespace
