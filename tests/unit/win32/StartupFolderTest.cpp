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

TEST_F(StartupFolder, TheWindowsDirectorysWhereItExistsElseTheUsersElseTheWindowsDirectorysAnyway) {
    folders = {"C:\\WINDOWS\\Start Menu\\Programs\\StartUp\\", "D:\\Start Menu\\Programs\\StartUp\\"};
    EXPECT_EQ(StartupShortcutIn("C:\\WINDOWS", calls), "C:\\WINDOWS\\Start Menu\\Programs\\StartUp\\kaleidra.lnk");
    EXPECT_EQ(StartupShortcutIn("D:\\", calls), "D:\\Start Menu\\Programs\\StartUp\\kaleidra.lnk");  // no double backslash
    EXPECT_EQ(userFolderAsked, 0);
    EXPECT_EQ(StartupShortcutIn("C:\\Windows", calls), userFolder + "\\kaleidra.lnk");  // where profiles moved it
    userFolder = "C:\\Profiles\\ann\\StartUp\\";
    EXPECT_EQ(StartupShortcutIn("C:\\Windows", calls), "C:\\Profiles\\ann\\StartUp\\kaleidra.lnk");
    userFolder.clear();  // neither: the Windows directory's is named, so that writing fails
    EXPECT_EQ(StartupShortcutIn("C:\\Windows", calls), "C:\\Windows\\Start Menu\\Programs\\StartUp\\kaleidra.lnk");
}

}  // namespace
