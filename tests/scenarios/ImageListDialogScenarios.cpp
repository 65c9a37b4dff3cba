// The Image List dialog: showing the list, deleting entries, opening them.
#include "Scenario.h"

#include "resources/ResourceIds.h"

#include <cerrno>
#include <cstring>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr const char* SELECT_FIRST = "Please click on an item (hilight) in the Image List first.";

class ImageListDialog : public Scenario {
protected:
    std::vector<std::string>& Items(CDialog& dialog) { return world.ControlState(dialog, IDC_IMAGE_LIST).items; }
    void DeleteEntry(CDialog& dialog, int index, int answer) {
        world.SelectListEntry(dialog, IDC_IMAGE_LIST, index);
        world.AnswerNextMessageBox(answer);
        world.SendCommand(dialog, ID_DELETE_SELECTION);
    }
};

// Entries and the list open with the shell, owned by the main window. Deleting takes the
// chosen occurrence, not the first of its text, from the file as it is at that moment: lines
// added meanwhile and blank lines stay, and the box then shows the file. A rewrite that
// fails or an entry already gone is reported. Drops, help and OK change nothing, and only
// Cancel closes.
TEST_F(ImageListDialog, ShowsTheNonBlankLinesOpensThemAndDeletesFromTheFileAsItIsNow) {
    WriteList("same.bmp\n\nC:\\pictures\\sun.bmp\r\n\nsame.bmp");
    RunDialog(ID_VIEW_LIST, [&](CMainDlg& main, CDialog& dialog) {
        EXPECT_THAT(Items(dialog), ElementsAre("same.bmp", "C:\\pictures\\sun.bmp", "same.bmp"));
        world.SendCommand(dialog, ID_VIEW_FULL_IMAGE);
        EXPECT_EQ(world.messageBoxes.back().text, SELECT_FIRST);
        world.DoubleClickListEntry(dialog, IDC_IMAGE_LIST, 1);
        world.SendCommand(dialog, ID_POWER_EDIT);
        world.DropFiles(dialog, {"/new.bmp"});
        EXPECT_EQ(world.messageBoxes.back().text,
                  "You must add images to Image List by choosing Open Image command in main window or by dropping it "
                  "there.");
        EXPECT_TRUE(world.PressHelpKey(dialog));
        world.SendCommand(dialog, IDOK);
        EXPECT_FALSE(dialog.m_hWnd->modalEnded);
        ASSERT_EQ(world.shellCalls.size(), 2u);
        for (const ShellCall& call : world.shellCalls) {
            EXPECT_EQ(std::tie(call.owner, call.verb, call.directory, call.show),
                      std::tuple(main.m_hWnd, "open", "", SW_SHOWNORMAL));
        }
        EXPECT_EQ(world.shellCalls[0].file, "C:\\pictures\\sun.bmp");
        EXPECT_EQ(world.shellCalls[1].file, "notepad");
        EXPECT_EQ(world.shellCalls[1].parameters, ListPath());

        DeleteEntry(dialog, 2, IDNO);
        EXPECT_EQ(Items(dialog).size(), 3u);
        EXPECT_EQ(ReadList(), "same.bmp\n\nC:\\pictures\\sun.bmp\r\n\nsame.bmp");
        WriteList(ReadList() + "\nadded.bmp\n");  // a drop on the main window meanwhile
        DeleteEntry(dialog, 2, IDYES);
        EXPECT_THAT(Items(dialog), ElementsAre("same.bmp", "C:\\pictures\\sun.bmp", "added.bmp"));
        EXPECT_EQ(world.messageBoxes.back().type, MB_YESNO | MB_ICONQUESTION);
        EXPECT_EQ(ReadList(), "same.bmp\n\nC:\\pictures\\sun.bmp\n\nadded.bmp\n");
        world.SendCommand(dialog, ID_DELETE_SELECTION);
        EXPECT_EQ(world.messageBoxes.back().text, SELECT_FIRST);
        EXPECT_EQ(world.messageBoxes.back().type, MB_OK);

        std::filesystem::permissions(ListPath(), std::filesystem::perms::owner_read);
        DeleteEntry(dialog, 0, IDYES);
        EXPECT_EQ(world.messageBoxes.back().text, std::strerror(EACCES));
        EXPECT_EQ(world.messageBoxes.back().type, MB_OK | MB_ICONEXCLAMATION);
        std::filesystem::permissions(ListPath(), std::filesystem::perms::owner_all);
        WriteList("same.bmp\nadded.bmp\n");  // an editor took the sun away
        DeleteEntry(dialog, 1, IDYES);
        EXPECT_EQ(world.messageBoxes.back().text,
                  "This image is no longer in the Image List: the list was changed since this window opened. The "
                  "window now shows the list as it is.");
        EXPECT_THAT(Items(dialog), ElementsAre("same.bmp", "added.bmp"));
        DeleteEntry(dialog, 0, IDYES);
        DeleteEntry(dialog, 0, IDYES);
        EXPECT_THAT(Items(dialog), IsEmpty());
        EXPECT_EQ(world.AskColors(dialog, CTLCOLOR_DLG)->face, RGB(255, 255, 255));
        world.SendCommand(dialog, IDCANCEL);
        EXPECT_TRUE(dialog.m_hWnd->modalEnded);
    });
    EXPECT_EQ(ReadList(), "");
}

}  // namespace
