// Where the program's Windows places are on a Linux desktop.
#include "framework/SystemServices.h"
#include "unit/qt/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class SystemPathsTest : public ::testing::Test {
protected:
    TempFolder home;
    std::string savedHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    SystemPathsTest() {
        ::setenv("HOME", home.Path().c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
    }
    ~SystemPathsTest() override {
        ::setenv("HOME", savedHome.c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
    }
};

}  // namespace

TEST_F(SystemPathsTest, TheWindowsDirectoryIsTheDataFolderAndDriveCTheHome) {
    std::filesystem::path expected = home.Path() / ".local/share/kaleidra";
    EXPECT_EQ(fw::GetWindowsDirectoryA(), expected.string());
    EXPECT_TRUE(std::filesystem::is_directory(expected));
    ::setenv("XDG_DATA_HOME", "relative/ignored", 1);  // the rules take absolute paths only
    EXPECT_EQ(fw::GetWindowsDirectoryA(), expected.string());
    // Drive C: is the home folder.
    EXPECT_EQ(fw::NativePath("C:\\Kaleidra\\Kaleidra.LST"), (home.Path() / "Kaleidra/Kaleidra.LST").string());
}
