// Taking over the list of the previous version at start-up, without losing any entry.
#include "Scenario.h"

#include <cstring>
#include <filesystem>

using ::testing::ElementsAre;

namespace {

constexpr const char* FOUND =
    "Previous version of Kaleidra Image List found.\r\nClick OK to convert the list so it can be used with this version.";
constexpr const char* CONVERTED = "Image List successfully converted.";

class Migration : public Scenario {
protected:
    std::string OldListPath() const { return world.NativePath("C:\\Kaleidra\\Kaleidra.LST"); }
    void WriteOldList(std::string_view contents) const {
        std::filesystem::create_directories(std::filesystem::path(OldListPath()).parent_path());
        WriteFile(OldListPath(), contents);
    }
    bool OldListExists() const { return std::filesystem::exists(OldListPath()); }
};

TEST_F(Migration, AFailedCopyKeepsTheOldListAndShowsTheSystemsText) {
    WriteOldList("one\n");
    world.FailNext(HeadlessCall::CopyFile, EACCES);
    RunMainWindow();
    EXPECT_TRUE(OldListExists());
    EXPECT_EQ(ReadList(), "");
    EXPECT_THAT(MessageTexts(), ElementsAre(FOUND, std::strerror(EACCES)));
    EXPECT_EQ(world.messageBoxes[1].type, MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(Migration, EachStepIsToldAndAnOldListThatStaysIsNamedAsThisSystemSpellsIt) {
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
