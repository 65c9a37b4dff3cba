// The open dialog's filter string: '|' separators become zeros and the list ends in two.
#include "platform/win32/FileFilter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(FileFilter, BarsBecomeZerosAndTheListEndsInTwo) {
    EXPECT_EQ(SystemFileFilter("Bitmaps (*.bmp)|*.bmp|GIF Files (*.gif)|*.gif||"),
              "Bitmaps (*.bmp)\0*.bmp\0GIF Files (*.gif)\0*.gif\0\0"s);
}

TEST(FileFilter, AFilterWithoutItsClosingBarsIsStillEnded) {
    EXPECT_EQ(SystemFileFilter("All|*.*"), "All\0*.*\0\0"s);
    EXPECT_EQ(SystemFileFilter("All|*.*|"), "All\0*.*\0\0"s);
    EXPECT_EQ(SystemFileFilter(""), "\0\0"s);
}

}  // namespace
