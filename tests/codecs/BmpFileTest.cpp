// BMP files built by hand, field by field; files written by ImageMagick are checked through
// kaleidra-convert.
#include "codecs/BmpFile.h"

#include "support/Bytes.h"
#include "support/FaultInjection.h"
#include "support/Pixels.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// The 54 header bytes, then the rest of the file.
Bytes Bmp(std::uint32_t width, std::uint32_t height, std::uint32_t bits, std::uint32_t offset, const Bytes& rest,
          std::uint32_t coloursUsed = 0, std::uint32_t compression = 0, std::uint32_t infoHeaderSize = 40) {
    return Cat({{'B', 'M'}, Le(54 + rest.size(), 4), Bytes(4),  // file size, two reserved
                Le(offset, 4), Le(infoHeaderSize, 4),            // pixel data offset, information header size
                Le(width, 4), Le(height, 4), Le(1, 2),           // width, height (negative: top-down), planes
                Le(bits, 2), Le(compression, 4), Bytes(12),      // bits, compression, image size, pixels/metre x, y
                Le(coloursUsed, 4), Bytes(4), rest});            // colours used (0: 2^bits), important colours
}

Bytes Slurp(const std::string& path) {
    const std::string contents = ReadFile(path);
    return Bytes(contents.begin(), contents.end());
}

class BmpFileTest : public testing::Test {
protected:
    // The pixels; empty when the load failed, with the message kept.
    Bytes Load(const Bytes& file) {
        ByteReader bytes(file);
        const DecodedImage decoded = m_bmp.Load(bytes);
        m_error = decoded.messages.empty() ? "OK" : decoded.messages.at(0).text;
        return TopDownRgb(decoded.image);
    }
    std::optional<CodecMessage> Save(const std::string& path, const Bytes& displayOrder, std::uint32_t width,
                                     std::uint32_t height) {
        ImageBuffer image = ImageBuffer::Allocate(width, height);
        std::copy(displayOrder.begin(), displayOrder.end(), image.Bits());
        return BmpFile::Save(path, image);
    }

    const TestFolder m_dir{"bmp"};
    const std::string m_path = m_dir / "picture.bmp";
    BmpFile m_bmp;
    std::string m_error;
};

TEST_F(BmpFileTest, LoadsWhatTheHeaderDescribesOrSaysWhyNot) {
    const Bytes rising{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};  // 4 pixels: blue, green, red
    const Bytes risingRgb{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10};
    const struct { Bytes file; std::string message; std::int32_t bytesRead; Bytes pixels = {}; } cases[] = {
        // 3 x 2: rows of 9 pixel bytes and 3 filler bytes, bottom row first.
        {Bmp(3, 2, 24, 54, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 11, 12, 13, 14, 15, 16, 17, 18, 19, 0, 0, 0}), "OK", 78,
         {13, 12, 11, 16, 15, 14, 19, 18, 17, 3, 2, 1, 6, 5, 4, 9, 8, 7}},
        // Offset 60: 6 bytes between the header and the pixels.
        {Bmp(1, 1, 24, 60, {9, 9, 9, 9, 9, 9, 1, 2, 3, 0}), "OK", 64, {3, 2, 1}},
        // Rows of 4 pixels need no filler. A file cut off inside a row leaves black the
        // pixels that did not arrive whole, bottom-up and top-down.
        {Bmp(4, 3, 24, 54, Cat({rising, {21, 22, 23, 24}})), "OK", 90,
         Cat({Bytes(12), {23, 22, 21}, Bytes(9), risingRgb})},
        {Bmp(4, -3, 24, 54, Cat({rising, {21, 22, 23, 24}})), "OK", 90, Cat({risingRgb, {23, 22, 21}, Bytes(21)})},
        // 1 bit, width 10: 2 pixel bytes (the last 6 bits unused) and 2 filler bytes; the
        // colour table's entries are blue, green, red, reserved.
        {Bmp(10, 1, 1, 62, {0, 0, 0, 0, 255, 255, 255, 0, 0b1000'0001, 0b0100'0000, 0, 0}), "OK", 66,
         Cat({Bytes(3, 255), Bytes(18), Bytes(3, 255), Bytes(3), Bytes(3, 255)})},
        // 4 bits, width 3, colours used 3: high nibble first, the last low nibble unused;
        // index 3 has no entry.
        {Bmp(3, 1, 4, 66, {10, 20, 30, 0, 40, 50, 60, 0, 70, 80, 90, 0, 0x21, 0x3F, 0, 0}, 3), "OK", 70,
         {90, 80, 70, 60, 50, 40, 0, 0, 0}},
        // 8 bits, colours used 0: 256 entries, here all black but the last.
        {Bmp(1, 1, 8, 1078, Cat({Bytes(1020), {7, 8, 9, 0, 255, 0, 0, 0}})), "OK", 1082, {9, 8, 7}},
        // 300 entries for 8 bits: the table ends 1200 bytes on, where the pixels begin.
        {Bmp(1, 1, 8, 1254, Cat({{0, 0, 0, 0, 77, 0, 0, 0}, Bytes(1192), {1, 0, 0, 0}}), 300), "OK", 1258, {0, 0, 77}},
        // The colour table follows a longer information header, as tools write today.
        {Bmp(1, 1, 8, 146, Cat({Bytes(84), {1, 2, 3, 0, 4, 5, 6, 0, 1, 0, 0, 0}}), 2, 0, 124), "OK", 150, {6, 5, 4}},

        {{}, "Read Error!", 1},
        {{'B', 'X', 0, 0}, "Not a valid BMP File", 2},
        {Cat({{'B', 'M'}, Bytes(18)}), "Read Error!", 22},  // cut inside the width
        {Bmp(1, 1, 24, 54, {1, 2, 3, 0}, 0, 1), "This is a compressed file.", 54},
        {Bmp(1, 1, 1, 62, {0, 0, 0, 0, 1}), "Read Error!", 54 + 5 + 1},  // colour table cut after 5 of 8 bytes
        {Bmp(1, 1, 1, 61, Bytes(12)), "Corrupt palette", 62},           // the offset lies inside the table
        {Bmp(4, 1, 8, 58, {0, 0, 0, 0, 0, 0}, 1), "Read Error", 58 + 2 + 1},  // a row of 4 bytes cut after 2
        // 24 bits, width 3: the first missing filler byte fails; row 2's pixels count in full.
        {Bmp(3, 2, 24, 54, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 1, 2}), "Read Error", 54 + 12 + 9 + 1},
        {Bmp(1, 1, 32, 54, {1, 2, 3, 4}), "This BMP file has 32 bits per pixel, which Kaleidra can't read.", 54},
        {Bmp(-3, 1, 24, 54, {}), "This BMP file is -3 x 1 pixels, which Kaleidra can't show.", 54},
        {Bmp(1, 0, 24, 54, {}), "This BMP file is 1 x 0 pixels, which Kaleidra can't show.", 54},
        // Beyond the 1 GiB limit, and beyond any 64-bit product of width, height and 3.
        {Bmp(20000, 20000, 24, 54, {}), "Memory alloc Failed", 54},
        {Bmp(0x7FFFFFFF, 0x80000000, 8, 1078, Bytes(1024)), "Memory alloc Failed", 1078},
    };
    for (const auto& [file, message, bytesRead, pixels] : cases) {
        EXPECT_EQ(Load(file), pixels) << message << ", " << bytesRead;
        EXPECT_EQ(m_error, message);
        EXPECT_EQ(m_bmp.m_nBytesRead, bytesRead) << message;
    }
}

TEST_F(BmpFileTest, SaveWritesPaddedRowsBottomUpOrSaysWhyNot) {
    const Bytes displayOrder{1, 2, 3, 4, 5, 6};  // 1 x 2: bottom row, then top row
    EXPECT_EQ(Save(m_path, displayOrder, 1, 2), std::nullopt);
    EXPECT_EQ(Slurp(m_path), Bmp(1, 2, 24, 54, {1, 2, 3, 0, 4, 5, 6, 0}));
    Save(m_path, {}, 5, 0);
    EXPECT_EQ(Slurp(m_path), Bmp(5, 0, 24, 54, {}));
    // A path under a file, not a folder, cannot be opened, nor can a device; a full disk fails
    // the rows and leaves the earlier file whole.
    const CodecMessage cantOpen{"Can't open file for writing", MessageStyle::Stop};
    EXPECT_EQ(Save(m_path + "/x", displayOrder, 1, 2), cantOpen);
    EXPECT_EQ(Save("/dev/null", displayOrder, 1, 2), cantOpen);
    {
        FullDiskAfter limit(60);
        EXPECT_EQ(Save(m_path, displayOrder, 1, 2), (CodecMessage{"fwrite error\nGiving up", MessageStyle::Stop}));
    }
    EXPECT_EQ(Slurp(m_path), Bmp(5, 0, 24, 54, {}));
}

// A link planted where the picture goes is replaced; the file it points to is left alone.
TEST_F(BmpFileTest, SaveNeverWritesThroughALink) {
    const std::string victim = m_path + ".victim";
    WriteFile(victim, "keep");
    fs::create_symlink(victim, m_path);
    EXPECT_EQ(Save(m_path, {1, 2, 3}, 1, 1), std::nullopt);
    EXPECT_FALSE(fs::is_symlink(m_path));
    EXPECT_EQ(ReadFile(victim), "keep");
}

}  // namespace
