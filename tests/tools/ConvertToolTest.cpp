// kaleidra-convert run as a user runs it: exit codes, output files and messages.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class ConvertTool : public ::testing::Test {
protected:
    ConvertTool() : m_dir(fs::temp_directory_path() / ("kaleidra-convert-" + std::to_string(::getpid()))) {
        fs::create_directories(m_dir);
    }
    ~ConvertTool() override { fs::remove_all(m_dir); }

    std::string In(const std::string& name) const { return (m_dir / name).string(); }

    // Makes a small picture with ImageMagick.
    std::string Picture(const std::string& name) const {
        std::string command = "convert -size 7x5 gradient:red-blue '" + In(name) + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return In(name);
    }

    // Runs the tool; its exit code, with standard error kept in m_stderr.
    int Run(const std::string& arguments) {
        std::string command = std::string(KALEIDRA_CONVERT) + " " + arguments + " 2>'" + In("stderr.txt") + "'";
        int status = std::system(command.c_str());
        std::ostringstream text;
        text << std::ifstream(In("stderr.txt")).rdbuf();
        m_stderr = text.str();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // The pixels of an image as ImageMagick reads them.
    std::string Pixels(const std::string& path) const {
        std::string out = In("pixels.rgb");
        std::string command = "convert '" + path + "' rgb:'" + out + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        std::ostringstream bytes;
        bytes << std::ifstream(out, std::ios::binary).rdbuf();
        return bytes.str();
    }

    fs::path m_dir;
    std::string m_stderr;
};

TEST_F(ConvertTool, GifAndJpegSourcesGetABmpBesideThem) {
    std::string gif = Picture("sky.GIF");
    std::string jpeg = Picture("sea.Jpg");
    EXPECT_EQ(Run("'" + gif + "'"), 0);
    EXPECT_EQ(Run("'" + jpeg + "'"), 0);
    EXPECT_EQ(m_stderr, "");
    EXPECT_EQ(Pixels(gif + ".bmp"), Pixels(gif));
    EXPECT_EQ(Pixels(jpeg + ".bmp"), Pixels(jpeg));
}

TEST_F(ConvertTool, ABmpSourceNeedsAnOutputAndComesBackUnchanged) {
    std::string bmp = Picture("a.bmp");
    EXPECT_EQ(Run("'" + bmp + "'"), 2);
    EXPECT_EQ(Run("'" + bmp + "' '" + In("copy.bmp") + "'"), 0);
    EXPECT_EQ(Pixels(In("copy.bmp")), Pixels(bmp));
}

TEST_F(ConvertTool, NamesThatMatchNoReaderAreRefused) {
    std::string jpeg = Picture("photo.jpeg");
    EXPECT_EQ(Run("'" + jpeg + "'"), 2);
    EXPECT_FALSE(fs::exists(jpeg + ".bmp"));
}

TEST_F(ConvertTool, AFileThatCannotBeReadFailsWithTheProgramsMessage) {
    std::ofstream(In("fake.gif")) << "GIF88a";
    EXPECT_EQ(Run("'" + In("fake.gif") + "'"), 1);
    EXPECT_NE(m_stderr.find("Error, Bad GIF Version number"), std::string::npos) << m_stderr;
    std::ofstream(In("fake.jpg")) << "not a picture";
    EXPECT_EQ(Run("'" + In("fake.jpg") + "'"), 1);
    EXPECT_NE(m_stderr.find("JPEG Fatal Error"), std::string::npos) << m_stderr;
    EXPECT_FALSE(fs::exists(In("fake.jpg.bmp")));
}

TEST_F(ConvertTool, AnOutputThatCannotBeWrittenFails) {
    std::string gif = Picture("b.gif");
    EXPECT_EQ(Run("'" + gif + "' '" + In("no/such/folder/b.bmp") + "'"), 1);
    EXPECT_NE(m_stderr.find("Can't open file for writing"), std::string::npos) << m_stderr;
}

}  // namespace
