// The Image List file: created, counted, read by index and appended to.
#include "Scenario.h"

#include "app/ProgramGlobals.h"
#include "rotation/ImageListFile.h"

#include <cstring>
#include <filesystem>

using ::testing::ElementsAre;

namespace {

class ImageList : public Scenario {
protected:
    // Runs the body in a started program whose list holds the given text.
    void WithList(std::string_view contents, const std::function<void(CMainDlg&)>& body) {
        WriteList(contents);
        RunMainWindow(body);
    }
};

TEST_F(ImageList, AFreshStartCreatesAnEmptyListInTheWindowsDirectory) {
    RunMainWindow([&](CMainDlg&) {
        EXPECT_EQ(g_strListPath, ListPath());
        EXPECT_EQ(CountListEntries(g_strListPath), 0);
        EXPECT_EQ(ReadListEntry(g_strListPath, 1), std::nullopt);
    });
    EXPECT_TRUE(std::filesystem::exists(ListPath()));
    EXPECT_EQ(ReadList(), "");
    EXPECT_TRUE(world.messageBoxes.empty());
}

TEST_F(ImageList, EntriesAreReadByLineNumberWithTheirLineBreaks) {
    WithList("a\nb\nc\n", [&](CMainDlg&) {
        EXPECT_EQ(CountListEntries(g_strListPath), 3);
        g_nEntryCount = 3;
        EXPECT_EQ(ReadListEntry(g_strListPath, 2), "b\n");
        EXPECT_EQ(ReadListEntry(g_strListPath, 0), "c\n");   // 0 stands for the last entry
        EXPECT_EQ(ReadListEntry(g_strListPath, -4), "c\n");
        EXPECT_EQ(ReadListEntry(g_strListPath, 7), "a\n");   // above the count: entry 1
        WriteList("a\nb\n");  // shortened by hand since the count
        EXPECT_EQ(ReadListEntry(g_strListPath, 3), "b\n");
    });
}

TEST_F(ImageList, LinesAreReadInPiecesOf259Characters) {
    std::string longLine(300, 'x');
    WithList(longLine + "\nlast", [&](CMainDlg&) {
        EXPECT_EQ(CountListEntries(g_strListPath), 3);  // a last line without a break counts too
        g_nEntryCount = 3;
        EXPECT_EQ(ReadListEntry(g_strListPath, 1), std::string(259, 'x'));
        EXPECT_EQ(ReadListEntry(g_strListPath, 2), std::string(41, 'x') + "\n");
        EXPECT_EQ(ReadListEntry(g_strListPath, 3), "last");
    });
}

TEST_F(ImageList, AListWrittenOnWindowsReadsTheSame) {
    std::string longest(258, 'w');
    WithList("C:\\a.bmp\r\n" + longest + "\r\n\r\n", [&](CMainDlg&) {
        EXPECT_EQ(CountListEntries(g_strListPath), 3);  // CR LF is one line break
        g_nEntryCount = 3;
        EXPECT_EQ(ReadListEntry(g_strListPath, 1), "C:\\a.bmp\n");
        EXPECT_EQ(ReadListEntry(g_strListPath, 2), longest + "\n");
        EXPECT_EQ(ReadListEntry(g_strListPath, 3), "\n");  // an empty line is an entry
    });
}

TEST_F(ImageList, AListThatCannotBeOpenedShowsTheSystemsTextAndCountsZero) {
    RunMainWindow([&](CMainDlg&) {
        std::filesystem::remove(ListPath());
        EXPECT_EQ(CountListEntries(g_strListPath), 0);
        EXPECT_EQ(ReadListEntry(g_strListPath, 1), std::nullopt);
    });
    ASSERT_EQ(world.messageBoxes.size(), 2u);
    EXPECT_EQ(world.messageBoxes[0].text, std::strerror(ENOENT));
    EXPECT_EQ(world.messageBoxes[0].caption, "kaleidra");
    EXPECT_EQ(world.messageBoxes[0].type, MB_OK | MB_ICONEXCLAMATION);
}

class AddToList : public Scenario {};

TEST_F(AddToList, AppendsThePathAsALineAndConfirms) {
    WriteList("a\n");
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_EQ(dlg.AddToList("/pics/sun.jpg.bmp"), 0);
        EXPECT_EQ(dlg.AddToList("/pics/sun.jpg.bmp"), 0);  // no test for duplicates
    });
    EXPECT_EQ(ReadList(), "a\n/pics/sun.jpg.bmp\n/pics/sun.jpg.bmp\n");
    EXPECT_THAT(MessageTexts(), ElementsAre("Image successfully added to Image List.",
                                            "Image successfully added to Image List."));
    EXPECT_EQ(world.messageBoxes[0].caption, "Kaleidra");
    EXPECT_EQ(world.messageBoxes[0].type, MB_OK);
}

TEST_F(AddToList, WithNoImageLoadedRefusesAndWritesNothing) {
    WriteList("a\n");
    RunMainWindow([&](CMainDlg& dlg) { EXPECT_EQ(dlg.AddToList(""), 0); });
    EXPECT_EQ(ReadList(), "a\n");
    EXPECT_THAT(MessageTexts(), ElementsAre("No image loaded currently. Open an image first."));
}

TEST_F(AddToList, EndsALastLineLeftWithoutABreakBeforeAppending) {
    WriteList("a\nb");
    RunMainWindow([&](CMainDlg& dlg) { dlg.AddToList("c"); });
    EXPECT_EQ(ReadList(), "a\nb\nc\n");
}

TEST_F(AddToList, RefusesAPathThatDoesNotFitOneLine) {
    std::string longest(258, 'p');
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_EQ(dlg.AddToList(longest + "q"), 0);
        EXPECT_EQ(dlg.AddToList("/pics/two\nlines.bmp"), 0);
        EXPECT_EQ(dlg.AddToList(longest), 0);
        g_nEntryCount = 1;
        EXPECT_EQ(ReadListEntry(g_strListPath, 1), longest + "\n");
    });
    EXPECT_EQ(ReadList(), longest + "\n");
    ASSERT_EQ(world.messageBoxes.size(), 3u);
    EXPECT_THAT(world.messageBoxes[0].text, ::testing::HasSubstr("longer than the 258 characters"));
    EXPECT_THAT(world.messageBoxes[1].text, ::testing::HasSubstr("line break"));
    EXPECT_EQ(world.messageBoxes[2].text, "Image successfully added to Image List.");
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
