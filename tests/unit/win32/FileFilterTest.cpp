// The open dialog's filter string: '|' separators become zeros and the list ends in two.
#include "platform/win32/FileFilter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

// A filter without its closing bars is still ended.
TEST(FileFilter, BarsBecomeZerosAndTheListEndsInTwo) {
    const std::pair<const char*, std::string> cases[] = {
        {"Bitmaps (*.bmp)|*.bmp|GIF Files (*.gif)|*.gif||", "Bitmaps (*.bmp)\0*.bmp\0GIF Files (*.gif)\0*.gif\0\0"s},
        {"All|*.*", "All\0*.*\0\0"s}, {"All|*.*|", "All\0*.*\0\0"s}, {"", "\0\0"s}};
    for (const auto& [filter, system] : cases) {
        EXPECT_EQ(SystemFileFilter(filter), system) << filter;
    }
}

}  // namespace
