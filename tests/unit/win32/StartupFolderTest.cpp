// The StartUp folder the shortcut goes to: the Windows directory's where it exists, else the
// one the shell reports for the user. Both are seen under Wine; here the joins with a
// trailing backslash, and a system that reports neither.
#include "platform/win32/StartupFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

class StartupFolder : public ::testing::Test {
protected:
    std::set<std::string> folders;
    std::string userFolder = "C:\\Profiles\\ann\\StartUp\\";

    StartupFolderCalls calls{
        [this](const std::string& path) { return folders.count(path) > 0; },
        [this] { return userFolder; },
    };
};

TEST_F(StartupFolder, NoDoubleBackslashAndWithNeitherTheWindowsDirectorysAnyway) {
    folders = {"D:\\Start Menu\\Programs\\StartUp\\"};
    EXPECT_EQ(StartupShortcutIn("D:\\", calls), "D:\\Start Menu\\Programs\\StartUp\\kaleidra.lnk");
    EXPECT_EQ(StartupShortcutIn("C:\\Windows", calls), "C:\\Profiles\\ann\\StartUp\\kaleidra.lnk");
    userFolder.clear();  // the Windows directory's is named, so that writing fails
    EXPECT_EQ(StartupShortcutIn("C:\\Windows", calls), "C:\\Windows\\Start Menu\\Programs\\StartUp\\kaleidra.lnk");
}

}  // namespace
