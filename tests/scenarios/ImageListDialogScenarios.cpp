// The Image List dialog: showing the list, deleting entries, opening them.
#include "Scenario.h"

#include "resources/ResourceIds.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr const char* SELECT_FIRST = "Please click on an item (hilight) in the Image List first.";

class ImageListDialog : public Scenario {
protected:
    void WithDialog(const std::function<void(CMainDlg&, CDialog&)>& script) { RunDialog(ID_VIEW_LIST, script); }
    std::vector<std::string>& Items(CDialog& dialog) { return world.ControlState(dialog, IDC_IMAGE_LIST).items; }
    void DeleteEntry(CDialog& dialog, int index, int answer) {
        world.SelectListEntry(dialog, IDC_IMAGE_LIST, index);
        world.AnswerNextMessageBox(answer);
        world.SendCommand(dialog, ID_DELETE_SELECTION);
    }
};

TEST_F(ImageListDialog, ShowsTheNonBlankLinesAndRewritesOnlyThemAfterADeletion) {
    WriteList("a.bmp\n\nb.bmp\r\n\nc.bmp");
    WithDialog([&](CMainDlg&, CDialog& dialog) {
        EXPECT_THAT(Items(dialog), ElementsAre("a.bmp", "b.bmp", "c.bmp"));
        DeleteEntry(dialog, 1, IDYES);
        EXPECT_THAT(Items(dialog), ElementsAre("a.bmp", "c.bmp"));
        EXPECT_EQ(world.messageBoxes.back().type, MB_YESNO | MB_ICONQUESTION);
        EXPECT_EQ(ReadList(), "a.bmp\nc.bmp\n");
        // Nothing stays selected after a deletion.
        world.SendCommand(dialog, ID_DELETE_SELECTION);
        EXPECT_EQ(world.messageBoxes.back().text, SELECT_FIRST);
        EXPECT_EQ(world.messageBoxes.back().type, MB_OK);
    });
}

TEST_F(ImageListDialog, DeletesOnlyTheChosenOccurrenceAndTheLastEntryLeavesAnEmptyFile) {
    WriteList("same.bmp\nsame.bmp\n");
    WithDialog([&](CMainDlg&, CDialog& dialog) {
        DeleteEntry(dialog, 1, IDNO);
        EXPECT_THAT(Items(dialog), ElementsAre("same.bmp", "same.bmp"));
        EXPECT_EQ(ReadList(), "same.bmp\nsame.bmp\n");
        DeleteEntry(dialog, 1, IDYES);
        EXPECT_EQ(ReadList(), "same.bmp\n");
        DeleteEntry(dialog, 0, IDYES);
        EXPECT_THAT(Items(dialog), IsEmpty());
    });
    EXPECT_TRUE(std::filesystem::exists(ListPath()));
    EXPECT_EQ(ReadList(), "");
}

TEST_F(ImageListDialog, AFailedRewriteIsReportedWithTheSystemsText) {
    WriteList("a.bmp\nb.bmp\n");
    WithDialog([&](CMainDlg&, CDialog& dialog) {
        world.FailNext(HeadlessCall::MoveFile, ENOSPC);
        DeleteEntry(dialog, 0, IDYES);
        EXPECT_EQ(world.messageBoxes.back().text, std::strerror(ENOSPC));
        EXPECT_EQ(world.messageBoxes.back().type, MB_OK | MB_ICONEXCLAMATION);
    });
}

TEST_F(ImageListDialog, OpensEntriesAndTheListWithTheShellOwnedByTheMainWindow) {
    WriteList("C:\\pictures\\sun.bmp\n");
    WithDialog([&](CMainDlg& main, CDialog& dialog) {
        world.SendCommand(dialog, ID_VIEW_FULL_IMAGE);
        EXPECT_EQ(world.messageBoxes.back().text, SELECT_FIRST);
        EXPECT_THAT(world.shellCalls, IsEmpty());
        world.DoubleClickListEntry(dialog, IDC_IMAGE_LIST, 0);
        world.SendCommand(dialog, ID_POWER_EDIT);
        ASSERT_EQ(world.shellCalls.size(), 2u);
        for (const ShellCall& call : world.shellCalls) {
            EXPECT_EQ(call.owner, main.m_hWnd);
            EXPECT_EQ(call.verb, "open");
            EXPECT_EQ(call.directory, "");
            EXPECT_EQ(call.show, SW_SHOWNORMAL);
        }
        EXPECT_EQ(world.shellCalls[0].file, "C:\\pictures\\sun.bmp");
        EXPECT_EQ(world.shellCalls[1].file, "notepad");
        EXPECT_EQ(world.shellCalls[1].parameters, ListPath());
    });
}

TEST_F(ImageListDialog, DropsHelpAndOkChangeNothingAndOnlyCancelCloses) {
    WriteList("a.bmp\n");
    std::string picture = Picture("new.bmp", 1, 1);
    WithDialog([&](CMainDlg&, CDialog& dialog) {
        world.DropFiles(dialog, {picture});
        EXPECT_EQ(world.messageBoxes.back().text,
                  "You must add images to Image List by choosing Open Image command in main window or by dropping it "
                  "there.");
        EXPECT_TRUE(world.PressHelpKey(dialog));
        EXPECT_THAT(world.shellCalls, IsEmpty());
        world.SendCommand(dialog, IDOK);
        EXPECT_FALSE(dialog.m_hWnd->modalEnded);
        EXPECT_EQ(world.AskColors(dialog, CTLCOLOR_DLG)->face, RGB(255, 255, 255));
        world.SendCommand(dialog, IDCANCEL);
        EXPECT_TRUE(dialog.m_hWnd->modalEnded);
    });
    EXPECT_EQ(ReadList(), "a.bmp\n");
}

}  // namespace
