// kaleidra-convert run as a user runs it: exit codes, output files and messages.
#include "support/FaultInjection.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>

#include <sys/wait.h>

namespace {

class ConvertTool : public ::testing::Test {
protected:
    // What a shell command run in the test's folder writes to standard output; its exit code
    // goes to m_exitCode.
    std::string Shell(const std::string& command) {
        std::FILE* pipe = ::popen(("cd '" + m_dir.Path().string() + "' && " + command).c_str(), "r");
        std::string output;
        for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe)) {
            output += static_cast<char>(c);
        }
        const int status = ::pclose(pipe);
        m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return output;
    }

    // The pixels of an image as ImageMagick reads them; none for a missing file.
    std::string Pixels(const std::string& name) {
        return Shell("convert " + name + " -depth 8 rgb:- 2>/dev/null");
    }

    int m_exitCode = -1;
    const TestFolder m_dir{"convert"};
};

// A GIF or JPEG source (any case) gets its BMP beside it and a BMP source needs an output
// name; a run that fails writes nothing. Which names match a reader, and the readers'
// own messages and pictures, are the codec tests' and the scenarios' concern.
TEST_F(ConvertTool, ExitCodesOutputsAndMessages) {
    Shell("convert -size 7x5 gradient:red-blue -write sky.GIF a.bmp && printf 'not a picture' >fake.jpg && "
          "mkfifo pipe.jpg");
    ASSERT_EQ(m_exitCode, 0);
    // The arguments, the exit code, how standard error begins (empty: it stays empty), the output.
    const std::tuple<std::string, int, std::string, std::string> runs[] = {
        {"sky.GIF", 0, "", "sky.GIF.bmp"},
        {"a.bmp copy.bmp", 0, "", "copy.bmp"},
        {"copy.bmp copy.bmp", 0, "", "copy.bmp"},  // read through before it is replaced
        {"a.bmp", 2, "usage: kaleidra-convert INPUT [OUTPUT]\n", "a.bmp.bmp"},
        {"fake.jpg", 1, "JPEG Fatal Error: Not a JPEG file: starts with 0x6e 0x6f\n", "fake.jpg.bmp"},
        {"a.bmp no/such/folder/b.bmp", 1, "kaleidra: Can't open file for writing\n", "a.bmp.bmp"},
        // Longer than any fixed path buffer.
        {std::string(300, 'f') + ".jpg", 1, "kaleidra: JPEG :\nCan't open " + std::string(300, 'f') + ".jpg\n\n", "f.jpg.bmp"},
        {"pipe.jpg", 1, "kaleidra: JPEG :\nCan't open pipe.jpg\n\n", "pipe.jpg.bmp"},  // refused, not waited on
        {"missing.gif", 1, "kaleidra: Cant open GIF :\nmissing.gif\n", "missing.gif.bmp"},
        {"missing.bmp out.bmp", 1, "kaleidra: Can't open file for reading :\nmissing.bmp\n", "out.bmp"},
    };
    for (const auto& [arguments, code, errors, output] : runs) {
        const std::string printed = Shell(KALEIDRA_CONVERT " " + arguments + " 2>&1 >/dev/null");
        EXPECT_EQ(m_exitCode, code) << arguments;
        EXPECT_TRUE(errors.empty() ? printed.empty() : printed.starts_with(errors)) << printed;
        const std::string source = arguments.substr(0, arguments.find(' '));
        EXPECT_EQ(Pixels(output), code == 0 ? Pixels(source) : "") << arguments;
    }
    EXPECT_EQ(Pixels("copy.bmp"), Pixels("a.bmp"));
}

}  // namespace
