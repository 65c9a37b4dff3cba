// The shell of the Linux desktop: documents handed to the desktop's opener, the
// autostart entry as the start-up shortcut.
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
        std::ofstream(document) << "<html></html>";
        std::filesystem::path opener = folder.Path() / "bin" / "xdg-open";
        std::ofstream(opener) << "#!/bin/sh\necho \"$PWD|$*\" >>\"" + record.string() + "\"\n";
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
    info.lpVerb = "Open";
    info.lpFile = missing.c_str();
    EXPECT_FALSE(fw::ShellExecuteExA(&info));
    EXPECT_EQ(fw::GetLastError(), static_cast<DWORD>(ENOENT));
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
