// Opening images from the file dialog and by dropping them on the main window. The order of
// the pixels is the readers' concern and the end-to-end preview's.
#include "Scenario.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

namespace fs = std::filesystem;

constexpr const char* ADDED = "Image successfully added to Image List.";

class Opening : public Scenario {
protected:
    void Open(CMainDlg& dlg, const std::string& path) {
        world.AnswerNextFileDialog(path);
        world.SendCommand(dlg, ID_OPEN_IMAGE);
    }
};

// A BMP loads as it is and writes nothing; a GIF or JPEG becomes a BMP file beside it; a
// name that matches no reader keeps the previous image.
TEST_F(Opening, TheOpenDialogOffersTheThreeTypesAndEachOpensByItsName) {
    std::string bmp = MagickPicture("Photo.BMP");
    std::string gif = MagickPicture("sky.gif");
    std::string jpeg = MagickPicture("sea.JPG");
    std::string other = MagickPicture("b.jpeg");
    RunMainWindow([&](CMainDlg& dlg) {
        world.AnswerNextFileDialog(std::nullopt);
        world.SendCommand(dlg, ID_OPEN_IMAGE);
        EXPECT_TRUE(dlg.GetDlgItem(IDC_SPLASH)->IsWindowVisible());
        EXPECT_EQ(dlg.GetWindowTextA(), "Kaleidra 3.0  ");  // no image yet
        Open(dlg, bmp);
        EXPECT_EQ(dlg.m_strImagePath, bmp);
        EXPECT_EQ(dlg.m_image.ImageWidth(), 6u);
        EXPECT_FALSE(dlg.GetDlgItem(IDC_SPLASH)->IsWindowVisible());
        EXPECT_EQ(world.waitCursorShows, 1);
        EXPECT_EQ(world.waitCursorDepth, 0);
        Open(dlg, gif);
        EXPECT_EQ(dlg.GetWindowTextA(), "Kaleidra 3.0  " + gif + ".bmp");
        Open(dlg, jpeg);
        EXPECT_EQ(dlg.m_strImagePath, jpeg + ".bmp");
        EXPECT_EQ(dlg.m_image.ImageHeight(), 4u);
        Open(dlg, gif + ".bmp");  // the converted file loads directly
        EXPECT_EQ(dlg.m_strImagePath, gif + ".bmp");
        const unsigned char* previous = dlg.m_image.ImageBits();
        Open(dlg, other);
        EXPECT_EQ(dlg.m_image.ImageBits(), previous);
        EXPECT_EQ(dlg.GetWindowTextA(), "Kaleidra 3.0  " + other);
    });
    const FileDialogRecord& dialog = world.fileDialogs.at(0);
    EXPECT_EQ(std::tie(dialog.open, dialog.title, dialog.flags), std::tuple(true, "Choose an image file", OFN_FILEMUSTEXIST));
    EXPECT_EQ(dialog.filter,
              "Supported Files Types(*.bmp;*.gif;*.jpg;)|*.bmp;*.gif;*.jpg;|Bitmaps (*.bmp)|*.bmp|"
              "GIF Files (*.gif)|*.gif|JPEG Files (*.jpg)|*.jpg||");
    EXPECT_TRUE(fs::exists(jpeg + ".bmp"));
    for (const std::string& unwritten : {bmp + ".bmp", gif + ".bmp.bmp", other + ".bmp"}) {
        EXPECT_FALSE(fs::exists(unwritten)) << unwritten;
    }
    EXPECT_TRUE(world.messageBoxes.empty());
}

// Only the first dropped file counts; it is listed whatever became of it, a GIF by its BMP
// file, and a path too long for a list line is taken whole.
TEST_F(Opening, ADropOpensTheFirstFileAndListsItOrSaysWhyNot) {
    std::string gif = MagickPicture("drop.GIF");
    std::string tooLong = "/" + std::string(300, 'p') + ".txt";
    RunMainWindow([&](CMainDlg& dlg) {
        world.DropFiles(dlg, {gif, "/elsewhere/two.bmp"});
        EXPECT_EQ(dlg.m_strImagePath, gif + ".bmp");
        world.DropFiles(dlg, {"/notes/notes.txt"});
        EXPECT_EQ(dlg.m_strImagePath, "/notes/notes.txt");
        EXPECT_NE(dlg.m_image.ImageBits(), nullptr);  // still the first image
        world.DropFiles(dlg, {tooLong});
        EXPECT_EQ(dlg.GetWindowTextA(), "Kaleidra 3.0  " + tooLong);
        world.DropFiles(dlg, {"/two\nlines.txt"});
    });
    EXPECT_EQ(ReadList(), gif + ".bmp\n/notes/notes.txt\n");
    EXPECT_THAT(MessageTexts(), ElementsAre(ADDED, ADDED, HasSubstr("longer than the 258 characters"),
                                            HasSubstr("contains a line break")));
    EXPECT_EQ(world.messageBoxes[3].caption, "Kaleidra");
    EXPECT_EQ(world.messageBoxes[3].type, MB_OK);
}

// A reader's failure leaves no image; a cut-off JPEG warns over the window and still opens;
// a converted file that cannot be written leaves the decoded image.
TEST_F(Opening, EachReadersMessageIsShownInItsOwnBox) {
    WriteFile((world.Root() / "bad.gif").string(), "GIF88a");
    WriteFile((world.Root() / "bad.jpg").string(), "not a picture");
    WriteFile((world.Root() / "bad.bmp").string(), "BX");
    std::string cut = MagickPicture("cut.jpg");
    fs::resize_file(cut, fs::file_size(cut) - 2);  // no end-of-image marker
    std::string locked = MagickPicture("locked.gif");
    fs::create_directory(locked + ".bmp");  // where the converted file would go
    RunMainWindow([&](CMainDlg& dlg) {
        for (const char* name : {"bad.gif", "bad.jpg", "bad.bmp"}) {
            Open(dlg, (world.Root() / name).string());
            EXPECT_EQ(dlg.m_image.ImageBits(), nullptr) << name;
        }
        Open(dlg, cut);
        EXPECT_EQ(dlg.m_strImagePath, cut + ".bmp");
        EXPECT_EQ(world.messageBoxes.back().owner, dlg.m_hWnd);
        Open(dlg, locked);
        EXPECT_NE(dlg.m_image.ImageBits(), nullptr);
        EXPECT_EQ(dlg.m_strImagePath, locked + ".bmp");
    });
    EXPECT_EQ(Boxes(), (std::vector<Box>{{"Error, Bad GIF Version number", "kaleidra", MB_OK},
                                         {"No Image!", "kaleidra", MB_OK},
                                         {"Not a JPEG file: starts with 0x6e 0x6f", "JPEG Fatal Error",
                                          MB_OK | MB_ICONSTOP},
                                         {"No Image!", "kaleidra", MB_OK},
                                         {"Not a valid BMP File", "kaleidra", MB_OK},
                                         {"Premature end of JPEG file", "JPEG Error", MB_OK},
                                         {"Can't open file for writing", "kaleidra", MB_OK | MB_ICONSTOP}}));
    EXPECT_FALSE(fs::exists(world.Root() / "bad.gif.bmp"));
}

}  // namespace
