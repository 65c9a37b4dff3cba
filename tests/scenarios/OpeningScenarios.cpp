// Opening images from the file dialog and by dropping them on the main window.
#include "Scenario.h"

#include <filesystem>

using ::testing::ElementsAre;

namespace {

namespace fs = std::filesystem;

constexpr const char* ADDED = "Image successfully added to Image List.";

class Opening : public Scenario {
protected:
    // Opens a file through the Open command; the main window after it.
    void Open(CMainDlg& dlg, const std::string& path) {
        world.AnswerNextFileDialog(path);
        world.SendCommand(dlg, ID_OPEN_IMAGE);
    }
};

TEST_F(Opening, TheOpenDialogOffersTheThreeTypesAndCancelChangesNothing) {
    RunMainWindow([&](CMainDlg& dlg) {
        world.AnswerNextFileDialog(std::nullopt);
        world.SendCommand(dlg, ID_OPEN_IMAGE);
        EXPECT_TRUE(dlg.GetDlgItem(IDC_SPLASH)->IsWindowVisible());
        EXPECT_EQ(dlg.m_strImagePath, "");
    });
    ASSERT_EQ(world.fileDialogs.size(), 1u);
    const FileDialogRecord& dialog = world.fileDialogs[0];
    EXPECT_TRUE(dialog.open);
    EXPECT_EQ(dialog.title, "Choose an image file");
    EXPECT_EQ(dialog.filter,
              "Supported Files Types(*.bmp;*.gif;*.jpg;)|*.bmp;*.gif;*.jpg;|Bitmaps (*.bmp)|*.bmp|"
              "GIF Files (*.gif)|*.gif|JPEG Files (*.jpg)|*.jpg||");
    EXPECT_EQ(dialog.flags, OFN_FILEMUSTEXIST);
}

TEST_F(Opening, ABmpIsLoadedAsItIsAndWritesNothing) {
    std::string picture = Picture("Photo.BMP", 2, 2);
    RunMainWindow([&](CMainDlg& dlg) {
        Open(dlg, picture);
        EXPECT_EQ(dlg.m_strImagePath, picture);
        EXPECT_EQ(dlg.m_image.ImageWidth(), 2u);
        // Display order: the bottom row first, blue, green, red.
        ASSERT_NE(dlg.m_image.ImageBits(), nullptr);
        EXPECT_EQ(dlg.m_image.ImageBits()[0], PictureBlue(2));
        EXPECT_EQ(dlg.m_image.ImageBits()[2], PictureRed(2));
        EXPECT_FALSE(dlg.GetDlgItem(IDC_SPLASH)->IsWindowVisible());
        EXPECT_EQ(world.waitCursorShows, 1);
        EXPECT_EQ(world.waitCursorDepth, 0);
    });
    EXPECT_FALSE(fs::exists(picture + ".bmp"));
    EXPECT_TRUE(world.messageBoxes.empty());
}

TEST_F(Opening, GifAndJpegImagesBecomeBmpFilesBesideThem) {
    std::string gif = MagickPicture("sky.gif");
    std::string jpeg = MagickPicture("sea.JPG");
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_EQ(dlg.GetWindowTextA(), "Kaleidra 3.0  ");  // no image yet
        Open(dlg, gif);
        EXPECT_EQ(dlg.m_strImagePath, gif + ".bmp");
        EXPECT_EQ(dlg.GetWindowTextA(), "Kaleidra 3.0  " + gif + ".bmp");
        Open(dlg, jpeg);
        EXPECT_EQ(dlg.m_strImagePath, jpeg + ".bmp");
        EXPECT_EQ(dlg.m_image.ImageWidth(), 6u);
        EXPECT_EQ(dlg.m_image.ImageHeight(), 4u);
        Open(dlg, gif + ".bmp");  // the converted file loads directly
        EXPECT_EQ(dlg.m_strImagePath, gif + ".bmp");
    });
    EXPECT_TRUE(fs::exists(gif + ".bmp"));
    EXPECT_TRUE(fs::exists(jpeg + ".bmp"));
    EXPECT_FALSE(fs::exists(gif + ".bmp.bmp"));
    EXPECT_TRUE(world.messageBoxes.empty());
}

TEST_F(Opening, ANameThatMatchesNoReaderKeepsThePreviousImage) {
    std::string picture = Picture("a.bmp", 1, 1);
    std::string jpeg = MagickPicture("b.jpeg");
    RunMainWindow([&](CMainDlg& dlg) {
        Open(dlg, picture);
        const unsigned char* previous = dlg.m_image.ImageBits();
        Open(dlg, jpeg);
        EXPECT_EQ(dlg.m_strImagePath, jpeg);
        EXPECT_EQ(dlg.m_image.ImageBits(), previous);
        EXPECT_EQ(dlg.GetWindowTextA(), "Kaleidra 3.0  " + jpeg);
    });
    EXPECT_FALSE(fs::exists(jpeg + ".bmp"));
}

TEST_F(Opening, ADropOpensTheFirstFileOnlyAndAddsItToTheList) {
    std::string first = Picture("one.bmp", 1, 1);
    std::string second = Picture("two.bmp", 1, 1);
    RunMainWindow([&](CMainDlg& dlg) {
        world.DropFiles(dlg, {first, second, "/elsewhere/three.bmp"});
        EXPECT_EQ(dlg.m_strImagePath, first);
        world.DropFiles(dlg, {"/notes/notes.txt"});
        EXPECT_EQ(dlg.m_strImagePath, "/notes/notes.txt");
        EXPECT_NE(dlg.m_image.ImageBits(), nullptr);  // still the first image
    });
    EXPECT_EQ(ReadList(), first + "\n/notes/notes.txt\n");
    EXPECT_THAT(MessageTexts(), ElementsAre(ADDED, ADDED));
}

TEST_F(Opening, ADroppedPathLongerThanAListLineIsTakenWholeButNotListed) {
    std::string path = "/" + std::string(300, 'p') + ".txt";
    RunMainWindow([&](CMainDlg& dlg) {
        world.DropFiles(dlg, {path});
        EXPECT_EQ(dlg.m_strImagePath, path);
        EXPECT_EQ(dlg.GetWindowTextA(), "Kaleidra 3.0  " + path);
    });
    EXPECT_EQ(ReadList(), "");
    ASSERT_EQ(world.messageBoxes.size(), 1u);
    EXPECT_THAT(world.messageBoxes[0].text, ::testing::HasSubstr("longer than the 258 characters"));
}

TEST_F(Opening, ADroppedGifIsListedByItsBmpFile) {
    std::string gif = MagickPicture("drop.GIF");
    RunMainWindow([&](CMainDlg& dlg) { world.DropFiles(dlg, {gif}); });
    EXPECT_EQ(ReadList(), gif + ".bmp\n");
}

TEST_F(Opening, UnreadableFilesShowTheReadersMessageAndLeaveNoImage) {
    WriteFile((world.Root() / "bad.gif").string(), "GIF88a");
    WriteFile((world.Root() / "bad.jpg").string(), "not a picture");
    WriteFile((world.Root() / "bad.bmp").string(), "BX");
    RunMainWindow([&](CMainDlg& dlg) {
        for (const char* name : {"bad.gif", "bad.jpg", "bad.bmp"}) {
            Open(dlg, (world.Root() / name).string());
            EXPECT_EQ(dlg.m_image.ImageBits(), nullptr) << name;
        }
    });
    ASSERT_EQ(world.messageBoxes.size(), 5u);
    EXPECT_EQ(world.messageBoxes[0].text, "Error, Bad GIF Version number");
    EXPECT_EQ(world.messageBoxes[0].caption, "kaleidra");
    EXPECT_EQ(world.messageBoxes[0].type, MB_OK);
    EXPECT_EQ(world.messageBoxes[1].text, "No Image!");
    EXPECT_EQ(world.messageBoxes[2].caption, "JPEG Fatal Error");
    EXPECT_EQ(world.messageBoxes[3].text, "No Image!");
    EXPECT_EQ(world.messageBoxes[4].text, "Not a valid BMP File");
    EXPECT_FALSE(fs::exists(world.Root() / "bad.gif.bmp"));
}

TEST_F(Opening, ACutOffJpegWarnsOverTheWindowAndStillOpens) {
    std::string jpeg = MagickPicture("cut.jpg");
    fs::resize_file(jpeg, fs::file_size(jpeg) - 2);  // no end-of-image marker
    RunMainWindow([&](CMainDlg& dlg) {
        Open(dlg, jpeg);
        EXPECT_EQ(dlg.m_strImagePath, jpeg + ".bmp");
        ASSERT_EQ(world.messageBoxes.size(), 1u);
        EXPECT_EQ(world.messageBoxes[0].owner, dlg.m_hWnd);
    });
    EXPECT_EQ(world.messageBoxes[0].caption, "JPEG Error");
    EXPECT_EQ(world.messageBoxes[0].type, MB_OK);
    EXPECT_THAT(world.messageBoxes[0].text, ::testing::HasSubstr("Premature end of JPEG file"));
}

TEST_F(Opening, AConvertedFileThatCannotBeWrittenLeavesTheDecodedImage) {
    std::string gif = MagickPicture("locked.gif");
    fs::create_directory(gif + ".bmp");  // where the converted file would go
    RunMainWindow([&](CMainDlg& dlg) {
        Open(dlg, gif);
        EXPECT_NE(dlg.m_image.ImageBits(), nullptr);
        EXPECT_EQ(dlg.m_strImagePath, gif + ".bmp");
    });
    ASSERT_EQ(world.messageBoxes.size(), 1u);
    EXPECT_EQ(world.messageBoxes[0].text, "Can't open file for writing");
    EXPECT_EQ(world.messageBoxes[0].type, MB_OK | MB_ICONSTOP);
}

}  // namespace
