// The Image List file as the main window shows its steps: created, read and appended to.
#include "Scenario.h"

#include <cstring>
#include <filesystem>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

class ImageList : public Scenario {};

TEST_F(ImageList, AListThatCannotBeOpenedShowsTheSystemsText) {
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

class AddToList : public Scenario {};

TEST_F(AddToList, SaysWhyAPathThatDoesNotFitOneLineIsRefused) {
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_EQ(dlg.AddToList(std::string(259, 'p')), 0);
        EXPECT_EQ(dlg.AddToList("/pics/two\nlines.bmp"), 0);
    });
    EXPECT_EQ(ReadList(), "");
    EXPECT_THAT(MessageTexts(), ElementsAre(HasSubstr("longer than the 258 characters"), HasSubstr("line break")));
    EXPECT_EQ(world.messageBoxes[0].caption, "Kaleidra");
    EXPECT_EQ(world.messageBoxes[0].type, MB_OK);
}

TEST_F(AddToList, AListThatCannotBeOpenedShowsTheSystemsText) {
    RunMainWindow([&](CMainDlg& dlg) {
        std::filesystem::remove(ListPath());
        std::filesystem::create_directory(ListPath());
        EXPECT_EQ(dlg.AddToList("/pics/a.bmp"), -1);
    });
    EXPECT_THAT(MessageTexts(), ElementsAre(std::strerror(EISDIR)));
}

}  // namespace
