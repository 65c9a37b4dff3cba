// Where the program's Windows places are on a Linux desktop, where its lock and socket
// go, and file names that are not UTF-8.
#include "framework/SystemServices.h"
#include "platform/qt/FileNameBytes.h"
#include "platform/qt/RunFolder.h"
#include "support/FaultInjection.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class SystemPathsTest : public ::testing::Test {
protected:
    TestFolder home{"home"};
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

// A runtime folder others can enter is passed over for the temporary folder.
TEST_F(SystemPathsTest, TheRunFolderIsTheRuntimeFolderOnlyWhenItIsPrivate) {
    std::string runtime = home.Path() / "runtime", temp = home.Path(), cache = home.Path() / "cache";
    std::filesystem::create_directory(runtime);
    for (mode_t mode : {0700, 0755}) {
        ::chmod(runtime.c_str(), mode);
        EXPECT_EQ(run_folder::Choose(runtime.c_str(), temp, cache),
                  mode == 0700 ? runtime + "/kaleidra" : temp + "/kaleidra-" + std::to_string(::geteuid()));
    }
}

TEST_F(SystemPathsTest, AFileNameThatIsNotUtf8ComesBackAsItsOwnBytes) {
    std::string folder = home.Path() / "d\xe9j\xe0", file = folder + "/caf\xe9.bmp";
    std::filesystem::create_directory(folder);
    WriteFile(file, "x");
    EXPECT_EQ(FileNameBytes(QFile::decodeName(file.c_str())), file);
    EXPECT_EQ(FileNameBytes(QString::fromUtf8("/nowhere/caf\xef\xbf\xbd.bmp")), "/nowhere/caf\xef\xbf\xbd.bmp");
}
