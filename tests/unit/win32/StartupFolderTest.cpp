// The StartUp folder the shortcut goes to: the Windows directory's where it exists, else the
// one the shell reports for the user.
#include "platform/win32/StartupFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

class StartupFolder : public ::testing::Test {
protected:
    std::set<std::string> folders;
    std::string userFolder = "C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup";
    int userFolderAsked = 0;

    StartupFolderCalls calls{
        [this](const std::string& path) { return folders.count(path) > 0; },
        [this] {
            ++userFolderAsked;
            return userFolder;
        },
    };
};

TEST_F(StartupFolder, IsTheWindowsDirectorysWhereThatFolderExists) {
    folders.insert("C:\\WINDOWS\\Start Menu\\Programs\\StartUp\\");
    EXPECT_EQ(StartupShortcutIn("C:\\WINDOWS", calls), "C:\\WINDOWS\\Start Menu\\Programs\\StartUp\\kaleidra.lnk");
    EXPECT_EQ(userFolderAsked, 0);
}

TEST_F(StartupFolder, AWindowsDirectoryAtADrivesRootGetsNoDoubleBackslash) {
    folders.insert("D:\\Start Menu\\Programs\\StartUp\\");
    EXPECT_EQ(StartupShortcutIn("D:\\", calls), "D:\\Start Menu\\Programs\\StartUp\\kaleidra.lnk");
}

TEST_F(StartupFolder, IsTheUsersWhereProfilesMovedIt) {
    EXPECT_EQ(StartupShortcutIn("C:\\Windows", calls), userFolder + "\\kaleidra.lnk");
}

TEST_F(StartupFolder, TheUsersFolderMayEndInABackslash) {
    userFolder = "C:\\Profiles\\ann\\StartUp\\";
    EXPECT_EQ(StartupShortcutIn("C:\\Windows", calls), "C:\\Profiles\\ann\\StartUp\\kaleidra.lnk");
}

TEST_F(StartupFolder, WithNeitherTheWindowsDirectorysIsNamedSoThatWritingFails) {
    userFolder.clear();
    EXPECT_EQ(StartupShortcutIn("C:\\Windows", calls), "C:\\Windows\\Start Menu\\Programs\\StartUp\\kaleidra.lnk");
}

}  // namespace
