// A file that cannot be opened gets the message of the reader its name calls for.
#include "codecs/ImageFileReader.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

TEST(ImageFileReader, AFileThatCannotBeOpenedGetsItsReadersMessage) {
    // Longer than any fixed path buffer; its folder does not exist.
    const std::string missing = "/nonexistent/" + std::string(150, 'd') + "/" + std::string(200, 'f');
    const std::tuple<std::string, ImageFileType, std::string> cases[] = {
        {missing + ".jpg", ImageFileType::Jpeg, "JPEG :\nCan't open " + missing + ".jpg\n"},
        {missing + ".gif", ImageFileType::Gif, "Cant open GIF :\n" + missing + ".gif"},
        {"", ImageFileType::Gif, "No Name Given"},
        {missing + ".bmp", ImageFileType::Bmp, "Can't open file for reading :\n" + missing + ".bmp"},
    };
    ImageFileReader reader;
    for (const auto& [path, type, text] : cases) {
        const DecodedImage read = reader.Read(path, type);
        EXPECT_TRUE(read.image.Empty());
        EXPECT_EQ(read.messages, (CodecMessages{{text, MessageStyle::Plain}}));
    }
}

}  // namespace
