// The shell of the Linux desktop: documents handed to the desktop's opener, the
// autostart entry as the start-up shortcut, and files moved over others.
#include "framework/SystemServices.h"
#include "platform/qt/AutostartEntry.h"
#include "unit/qt/TempFolder.h"

#include <QDeadlineTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& contents) {
    std::ofstream(path) << contents;
}

// An opener on PATH that writes down its folder and arguments, a line a call.
class ShellTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::filesystem::path record = folder.Path() / "opened";
    std::filesystem::path document = folder.Path() / "doc s" / "krindex.htm";
    std::string savedPath = std::getenv("PATH");

    ShellTest() {
        std::filesystem::create_directories(folder.Path() / "bin");
        std::filesystem::create_directories(document.parent_path());
        WriteFile(document, "<html></html>");
        std::filesystem::path opener = folder.Path() / "bin" / "xdg-open";
        WriteFile(opener, "#!/bin/sh\necho \"$PWD|$*\" >>\"" + record.string() + "\"\n");
        std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
        ::setenv("PATH", ((folder.Path() / "bin").string() + ":" + savedPath).c_str(), 1);
    }
    ~ShellTest() override { ::setenv("PATH", savedPath.c_str(), 1); }

    // What the opener wrote once it has written a line, within a few seconds.
    std::string Opened() {
        QDeadlineTimer deadline(5000);
        while (ReadFile(record).empty() && !deadline.hasExpired()) {
            QThread::msleep(10);
        }
        return ReadFile(record);
    }
};

}  // namespace

TEST_F(ShellTest, AMissingDocumentIsNotFoundAndNothingIsStarted) {
    std::string missing = (folder.Path() / "options.htm").string();
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.lpVerb = "Open";
    info.lpFile = missing.c_str();
    EXPECT_FALSE(fw::ShellExecuteExA(&info));
    EXPECT_EQ(fw::GetLastError(), static_cast<DWORD>(ENOENT));
    EXPECT_EQ(fw::FormatMessageA(fw::GetLastError()), "No such file or directory");
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(fw::ShellExecuteA(nullptr, "open", missing.c_str(), nullptr, nullptr,
                                                                  SW_SHOWNORMAL)),
              2u);  // SE_ERR_FNF
    EXPECT_FALSE(std::filesystem::exists(record));
}

TEST_F(ShellTest, TheTextEditorOpensTheFileItsParametersName) {
    HINSTANCE result = fw::ShellExecuteA(nullptr, "open", "notepad", document.c_str(), nullptr, SW_SHOWNORMAL);
    EXPECT_GT(reinterpret_cast<std::uintptr_t>(result), 32u);
    EXPECT_EQ(Opened().substr(Opened().find('|')), "|" + document.string() + "\n");
}

TEST(AutostartEntry, AProgramPathIsQuotedAndEscapedAsTheLauncherReadsIt) {
    std::string entry = FormatAutostartEntry("/home/a b/100%/$x\\\"k", "/home/a b/", "two\nlines");
    EXPECT_NE(entry.find("Exec=\"/home/a b/100%%/\\\\$x\\\\\\\\\\\\\"k\"\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("Path=/home/a b/\n"), std::string::npos);
    EXPECT_NE(entry.find("Comment=two\\nlines\n"), std::string::npos);
}

class StartupEntryTest : public ::testing::Test {
protected:
    TempFolder config;
    StartupEntryTest() { ::setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1); }
    ~StartupEntryTest() override { ::unsetenv("XDG_CONFIG_HOME"); }
};

TEST_F(StartupEntryTest, AnEntryThatCannotBeWrittenIsAFailureWithTheSystemsReason) {
    WriteFile(config.Path() / "autostart", "a file where the folder should be");
    std::string path = fw::StartupShortcutPath();
    HRESULT result = fw::CreateShortcut("/opt/k/kaleidra", path.c_str(), "/opt/k/", "d");
    ASSERT_TRUE(FAILED(result));
    EXPECT_EQ(fw::FormatMessageA(static_cast<DWORD>(result)), "Not a directory");
}

TEST(MoveFile, AFileMovedWithReplaceTakesTheOthersPlaceWhole) {
    TempFolder folder;
    std::filesystem::path list = folder.Path() / "Kaleidra.LST";
    std::filesystem::path fresh = folder.Path() / "Kaleidra.LST.new";
    WriteFile(list, "old\n");
    WriteFile(fresh, "new\n");
    EXPECT_FALSE(fw::MoveFileExA(fresh.c_str(), list.c_str(), 0));
    EXPECT_EQ(fw::GetLastError(), static_cast<DWORD>(EEXIST));
    ASSERT_TRUE(fw::MoveFileExA(fresh.c_str(), list.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    EXPECT_EQ(ReadFile(list), "new\n");
    EXPECT_FALSE(std::filesystem::exists(fresh));
    EXPECT_FALSE(fw::MoveFileExA(fresh.c_str(), list.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    EXPECT_EQ(fw::GetLastError(), static_cast<DWORD>(ENOENT));
}
