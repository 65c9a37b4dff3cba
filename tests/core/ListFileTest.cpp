// Line breaks of list files as they come from either platform.
#include "core/ListFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include <unistd.h>

namespace {

using namespace core;

using LineList = std::vector<std::string>;

class ListFile : public ::testing::Test {
protected:
    ~ListFile() override { std::filesystem::remove(m_path); }

    LineList Lines(std::string_view contents) const {
        std::ofstream(m_path, std::ios::binary) << contents;
        ListFileReader reader(m_path);
        LineList lines;
        for (std::string line; reader.ReadLine(line);) {
            lines.push_back(line);
        }
        return lines;
    }

    std::string m_path =
        (std::filesystem::temp_directory_path() / ("kaleidra-listfile-" + std::to_string(::getpid()))).string();
};

TEST_F(ListFile, CrLfIsOneLineBreakAndALoneCrIsText) {
    EXPECT_EQ(Lines("a\r\nb\rc\n\r"), (LineList{"a\n", "b\rc\n", "\r"}));
}

TEST_F(ListFile, ACrLfAtThePieceBoundaryStaysWithItsLine) {
    std::string full(258, 'x');
    EXPECT_EQ(Lines(full + "\r\nnext"), (LineList{full + "\n", "next"}));
    EXPECT_EQ(Lines(full + "y\r\n"), (LineList{full + "y", "\n"}));
}

}  // namespace
