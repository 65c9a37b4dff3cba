// The icon and pictures as built in: exactly the files in resources/.
#include "framework/ResourceData.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

namespace {

TEST(ResourceData, EachIdFindsItsFilesBytes) {
    for (const auto& [kind, id, name] : {std::tuple{ResourceKind::Icon, IDR_MAINFRAME, "kaleidra.ico"},
                                         std::tuple{ResourceKind::Bitmap, IDB_SPLASH, "splash.bmp"},
                                         std::tuple{ResourceKind::Bitmap, IDB_LIST_HEADING, "listhead.bmp"},
                                         std::tuple{ResourceKind::Bitmap, IDB_ABOUT_BACKGROUND, "bricks.bmp"}}) {
        std::ifstream file(std::string(KALEIDRA_SOURCE_DIR) + "/resources/" + name, std::ios::binary);
        const std::vector<unsigned char> bytes(std::istreambuf_iterator<char>(file), {});
        EXPECT_TRUE(std::ranges::equal(FindResourceData(kind, id), bytes)) << name;
    }
}

}  // namespace
