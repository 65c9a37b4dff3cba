// The StartUp folder the shortcut goes to: the Windows directory's where it exists, else the
// one the shell reports for the user. Both are seen under Wine; here the joins with a
// trailing backslash, and a system that reports neither.
#include "platform/win32/StartupFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(StartupFolder, NoDoubleBackslashAndWithNeitherTheWindowsDirectorysAnyway) {
    const std::set<std::string> folders{"D:\\Start Menu\\Programs\\StartUp\\"};
    std::string userFolder = "C:\\Profiles\\ann\\StartUp\\";
    const StartupFolderCalls calls{[&](const std::string& path) { return folders.count(path) > 0; },
                                   [&] { return userFolder; }};
    EXPECT_EQ(StartupShortcutIn("D:\\", calls), "D:\\Start Menu\\Programs\\StartUp\\kaleidra.lnk");
    EXPECT_EQ(StartupShortcutIn("C:\\Windows", calls), "C:\\Profiles\\ann\\StartUp\\kaleidra.lnk");
    userFolder.clear();  // the Windows directory's is named, so that writing fails
    EXPECT_EQ(StartupShortcutIn("C:\\Windows", calls), "C:\\Windows\\Start Menu\\Programs\\StartUp\\kaleidra.lnk");
}

}  // namespace
