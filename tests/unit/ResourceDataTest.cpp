// The icon and pictures as built in: exactly the files in resources/, each under its kind.
#include "framework/ResourceData.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

TEST(ResourceData, EachIdFindsItsFilesBytesAndNoOtherKind) {
    struct Entry {
        ResourceKind kind;
        UINT id;
        const char* file;
    };
    for (const Entry& entry : {Entry{ResourceKind::Icon, IDR_MAINFRAME, "kaleidra.ico"},
                               Entry{ResourceKind::Bitmap, IDB_SPLASH, "splash.bmp"},
                               Entry{ResourceKind::Bitmap, IDB_LIST_HEADING, "listhead.bmp"},
                               Entry{ResourceKind::Bitmap, IDB_ABOUT_BACKGROUND, "bricks.bmp"}}) {
        std::ifstream file(std::string(KALEIDRA_SOURCE_DIR) + "/resources/" + entry.file, std::ios::binary);
        const std::vector<unsigned char> bytes(std::istreambuf_iterator<char>(file), {});
        EXPECT_TRUE(std::ranges::equal(FindResourceData(entry.kind, entry.id), bytes)) << entry.file;
    }
    EXPECT_TRUE(FindResourceData(ResourceKind::Bitmap, IDR_MAINFRAME).empty());
    EXPECT_TRUE(FindResourceData(ResourceKind::Icon, IDB_SPLASH).empty());
}

}  // namespace
