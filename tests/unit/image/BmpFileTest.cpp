// BMP files built by hand, field by field, and files written by ImageMagick.
#include "image/BmpFile.h"
#include "image/ImageBuffer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using Bytes = std::vector<unsigned char>;

void Put(Bytes& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

// The 54 header bytes, then whatever follows.
Bytes Bmp(std::int32_t width, std::int32_t height, int bits, std::uint32_t offset, const Bytes& rest,
          std::uint32_t coloursUsed = 0, std::uint32_t compression = 0) {
    Bytes file{'B', 'M'};
    Put(file, 12345, 4);                                   // file size: not used
    Put(file, 0, 2);                                       // reserved
    Put(file, 0, 2);                                       // reserved
    Put(file, offset, 4);                                  // pixel data offset
    Put(file, 40, 4);                                      // information header size
    Put(file, static_cast<std::uint32_t>(width), 4);       // width
    Put(file, static_cast<std::uint32_t>(height), 4);      // height: negative runs top-down
    Put(file, 1, 2);                                       // planes
    Put(file, bits, 2);                                    // bits per pixel
    Put(file, compression, 4);                             // compression
    Put(file, 0, 4);                                       // image size
    Put(file, 0, 4);                                       // horizontal pixels per metre
    Put(file, 0, 4);                                       // vertical pixels per metre
    Put(file, coloursUsed, 4);                             // colours used: 0 means 2^bits
    Put(file, 0, 4);                                       // important colours
    file.insert(file.end(), rest.begin(), rest.end());
    return file;
}

Bytes Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

class BmpFileTest : public ::testing::Test {
protected:
    BmpFileTest() { std::filesystem::create_directories(m_dir); }
    ~BmpFileTest() override { std::filesystem::remove_all(m_dir); }

    // The pixels in reader order; empty when the load failed.
    Bytes Load(const Bytes& file) {
        std::ofstream(m_dir / "in.bmp", std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                                 static_cast<std::streamsize>(file.size()));
        return LoadPath(m_dir / "in.bmp");
    }

    Bytes LoadPath(const std::filesystem::path& path) {
        std::unique_ptr<unsigned char[]> bits(m_bmp.Load(path.string(), m_width, m_height));
        return bits ? Bytes(bits.get(), bits.get() + ImageBytes(m_width, m_height)) : Bytes{};
    }

    void ExpectFailure(const Bytes& file, const std::string& message, std::int32_t bytesRead) {
        EXPECT_EQ(Load(file), Bytes{});
        EXPECT_EQ(m_bmp.m_strError, message);
        EXPECT_EQ(m_bmp.m_nBytesRead, bytesRead);
    }

    const std::filesystem::path m_dir = std::filesystem::temp_directory_path() /
        ("kaleidra-bmp-" + std::to_string(::getpid()) + "-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    BmpFile m_bmp;
    std::uint32_t m_width = 99;
    std::uint32_t m_height = 99;
};

TEST_F(BmpFileTest, TrueColourRowsRunBottomUpWithPaddingOnlyWhereNeeded) {
    // 3 x 2: rows of 9 pixel bytes (blue, green, red) and 3 filler bytes, bottom row first.
    EXPECT_EQ(Load(Bmp(3, 2, 24, 54, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0,             // bottom row
                                      11, 12, 13, 14, 15, 16, 17, 18, 19, 0, 0, 0})),  // top row
              (Bytes{13, 12, 11, 16, 15, 14, 19, 18, 17, 3, 2, 1, 6, 5, 4, 9, 8, 7}));
    EXPECT_EQ(m_bmp.m_strError, "OK");
    EXPECT_EQ(m_bmp.m_nBytesRead, 54 + 2 * 12);
    EXPECT_EQ(m_width, 3u);
    EXPECT_EQ(m_height, 2u);
    // 4 x 1: 12 bytes, no filler.
    EXPECT_EQ(Load(Bmp(4, 1, 24, 54, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})),
              (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
    EXPECT_EQ(m_bmp.m_nBytesRead, 66);
}

TEST_F(BmpFileTest, IndexedRowsPackPixelsFromTheHighBitDown) {
    // Colour table entries are blue, green, red, reserved.
    const Bytes blackWhite{0, 0, 0, 0, 255, 255, 255, 0};
    // 1 bit, width 10: 2 pixel bytes (the last 6 bits unused) and 2 filler bytes.
    Bytes oneBit = blackWhite;
    oneBit.insert(oneBit.end(), {0b1000'0001, 0b0100'0000, 0, 0});
    EXPECT_EQ(Load(Bmp(10, 1, 1, 62, oneBit)), (Bytes{255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                      0, 0, 0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 255, 255}));
    EXPECT_EQ(m_bmp.m_nBytesRead, 66);
    // 4 bits, width 3, colours used 3: high nibble first, the last low nibble unused;
    // index 3 has no entry.
    EXPECT_EQ(Load(Bmp(3, 1, 4, 66, {10, 20, 30, 0, 40, 50, 60, 0, 70, 80, 90, 0, 0x21, 0x3F, 0, 0}, 3)),
              (Bytes{90, 80, 70, 60, 50, 40, 0, 0, 0}));
    EXPECT_EQ(m_bmp.m_nBytesRead, 70);
}

TEST_F(BmpFileTest, EightBitsWithColoursUsedZeroReadAll256Entries) {
    Bytes rest(1024);                     // 256 entries, all black but the last
    rest[1020] = 7;                       //   blue
    rest[1021] = 8;                       //   green
    rest[1022] = 9;                       //   red
    rest.insert(rest.end(), {255, 0, 0, 0});  // 1 pixel, 3 filler bytes
    EXPECT_EQ(Load(Bmp(1, 1, 8, 1078, rest)), (Bytes{9, 8, 7}));
    EXPECT_EQ(m_bmp.m_nBytesRead, 1082);
}

TEST_F(BmpFileTest, IndicesBeyondTheColoursUsedAreBlackAndLongTablesAreReadPast) {
    // 2 colours used of 256 possible; index 5 has no entry.
    EXPECT_EQ(Load(Bmp(2, 1, 8, 62, {1, 2, 3, 0, 4, 5, 6, 0, 1, 5, 0, 0}, 2)), (Bytes{6, 5, 4, 0, 0, 0}));
    // 300 entries for 8 bits: the table ends 1200 bytes on, where the pixels begin.
    Bytes rest(1200, 0);
    rest[4] = 77;  // entry 1, blue
    rest.insert(rest.end(), {1, 0, 0, 0});
    EXPECT_EQ(Load(Bmp(1, 1, 8, 1254, rest, 300)), (Bytes{0, 0, 77}));
    EXPECT_EQ(m_bmp.m_nBytesRead, 1258);
}

TEST_F(BmpFileTest, BytesUpToThePixelOffsetAreSkipped) {
    // Offset 60: 6 bytes between the header and the pixels.
    EXPECT_EQ(Load(Bmp(1, 1, 24, 60, {9, 9, 9, 9, 9, 9, 1, 2, 3, 0})), (Bytes{3, 2, 1}));
    ExpectFailure(Bmp(1, 1, 24, 50, {1, 2, 3, 0}), "Corrupt palette", 54);
    // 1 bit with 2 entries ends at 62: an offset of 61 lies inside the table.
    ExpectFailure(Bmp(1, 1, 1, 61, Bytes(12)), "Corrupt palette", 62);
}

TEST_F(BmpFileTest, TopDownFilesKeepTheirRowOrder) {
    EXPECT_EQ(Load(Bmp(1, -2, 24, 54, {1, 2, 3, 0, 4, 5, 6, 0})), (Bytes{3, 2, 1, 6, 5, 4}));
    EXPECT_EQ(m_height, 2u);
}

TEST_F(BmpFileTest, CutOffTrueColourFilesLoadOnlyWithoutPadding) {
    // Width 4: the second row has one whole pixel and one byte of the next.
    EXPECT_EQ(Load(Bmp(4, 2, 24, 54, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 21, 22, 23, 24})),
              (Bytes{23, 22, 21, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
    EXPECT_EQ(m_bmp.m_strError, "OK");
    EXPECT_EQ(m_bmp.m_nBytesRead, 78);
    // The same with no pixel data at all, top-down.
    EXPECT_EQ(Load(Bmp(4, -2, 24, 54, {})), Bytes(24, 0));
    // Width 3: the first missing filler byte fails; row 2's pixels count in full.
    ExpectFailure(Bmp(3, 2, 24, 54, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 1, 2}), "Read Error", 54 + 12 + 9 + 1);
}

TEST_F(BmpFileTest, DamagedFilesAreRefusedWithTheirReason) {
    const Bytes header = Bmp(1, 1, 24, 54, {});
    ExpectFailure({}, "Read Error!", 1);
    ExpectFailure({'B'}, "Read Error!", 2);
    ExpectFailure({'B', 'X', 0, 0}, "Not a valid BMP File", 2);
    ExpectFailure(Bytes(header.begin(), header.begin() + 20), "Read Error!", 22);  // inside the width
    for (std::uint32_t compression : {1, 2, 3}) {
        ExpectFailure(Bmp(1, 1, 8, 58, Bytes(8), 1, compression), "This is a compressed file.", 54);
    }
    // A colour table cut off after 5 of 8 bytes.
    ExpectFailure(Bmp(1, 1, 1, 62, {0, 0, 0, 0, 1}), "Read Error!", 54 + 5 + 1);
    // An 8-bit row of 4 bytes cut off after 2.
    ExpectFailure(Bmp(4, 1, 8, 58, {0, 0, 0, 0, 0, 0}, 1), "Read Error", 58 + 2 + 1);
    // An 8-bit row complete but its filler missing.
    ExpectFailure(Bmp(1, 1, 8, 58, {0, 0, 0, 0, 0}, 1), "Read Error", 58 + 1 + 1);
    EXPECT_EQ(m_width, 1u);
    EXPECT_EQ(Load({'B', 'M'}), Bytes{});
    EXPECT_EQ(m_width, 0u);
}

TEST_F(BmpFileTest, UnsupportedDepthsAndSizesAreRefused) {
    for (int bits : {16, 32}) {
        ExpectFailure(Bmp(1, 1, bits, 54, {1, 2, 3, 4}),
                      "This BMP file has " + std::to_string(bits) + " bits per pixel, which Kaleidra can't read.", 54);
    }
    ExpectFailure(Bmp(0, 1, 24, 54, {}), "This BMP file is 0 x 1 pixels, which Kaleidra can't show.", 54);
    ExpectFailure(Bmp(-3, 1, 24, 54, {}), "This BMP file is -3 x 1 pixels, which Kaleidra can't show.", 54);
    ExpectFailure(Bmp(1, 0, 24, 54, {}), "This BMP file is 1 x 0 pixels, which Kaleidra can't show.", 54);
    // Beyond the 1 GiB limit, and beyond any 64-bit product of width, height and 3.
    ExpectFailure(Bmp(20000, 20000, 24, 54, {}), "Memory alloc Failed", 54);
    EXPECT_EQ(m_width, 20000u);
    ExpectFailure(Bmp(0x7FFFFFFF, -0x7FFFFFFF - 1, 8, 1078, Bytes(1024)), "Memory alloc Failed", 1078);
    EXPECT_EQ(m_height, 0x80000000u);
    EXPECT_EQ(LoadPath(m_dir / "missing.bmp"), Bytes{});
    EXPECT_EQ(m_bmp.m_strError, "Can't open file for reading :\n" + (m_dir / "missing.bmp").string());
}

TEST_F(BmpFileTest, SaveWritesPaddedRowsBottomUp) {
    const Bytes displayOrder{1, 2, 3, 4, 5, 6};  // 1 x 2: bottom row, then top row
    m_bmp.Save((m_dir / "out.bmp").string(), displayOrder.data(), 1, 2);
    EXPECT_EQ(m_bmp.m_strError, "OK");
    Bytes expected = Bmp(1, 2, 24, 54, {1, 2, 3, 0, 4, 5, 6, 0});
    expected[2] = 62;  // file size
    expected[3] = 0;
    expected[4] = 0;
    EXPECT_EQ(Slurp(m_dir / "out.bmp"), expected);
    m_bmp.Save((m_dir / "out.bmp").string(), nullptr, 5, 0);
    EXPECT_EQ(Slurp(m_dir / "out.bmp").size(), 54u);
    m_bmp.Save((m_dir / "no-such-folder" / "out.bmp").string(), displayOrder.data(), 1, 2);
    EXPECT_EQ(m_bmp.m_strError, "Can't open file for writing");
    m_bmp.Save("/dev/full", displayOrder.data(), 1, 2);
    EXPECT_EQ(m_bmp.m_strError, "fwrite error\nGiving up");
}

TEST_F(BmpFileTest, SavedImagesLoadBackAsTheSamePicture) {
    for (std::uint32_t width = 1; width <= 5; ++width) {
        for (std::uint32_t height = 1; height <= 3; ++height) {
            Bytes bits(ImageBytes(width, height));
            for (std::size_t i = 0; i < bits.size(); ++i) {
                bits[i] = static_cast<unsigned char>(i * 37 + width);
            }
            m_bmp.Save((m_dir / "out.bmp").string(), bits.data(), width, height);
            Bytes loaded = LoadPath(m_dir / "out.bmp");
            ASSERT_EQ(loaded.size(), bits.size());
            SwapRedBlue(loaded.data(), width, height);
            FlipRowsVertically(loaded.data(), width * 3, height);
            EXPECT_EQ(loaded, bits) << width << " x " << height;
        }
    }
}

TEST_F(BmpFileTest, DecodesAsImageMagickDoes) {
    if (std::system("convert -version > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    }
    const std::string source = "-size 37x23 plasma:fractal -compress none ";
    // BMP3 has the 40-byte information header; BMP the longer one tools write today.
    for (const char* format : {" BMP3:", " BMP:"}) {
        for (const char* options : {"-type truecolor", "-type palette", "-colors 16 -type palette", "-monochrome"}) {
            const std::string bmp = (m_dir / "x.bmp").string();
            const std::string rgb = (m_dir / "x.rgb").string();
            ASSERT_EQ(std::system(("convert " + source + options + format + bmp + " && convert " + bmp +
                                   " -depth 8 rgb:" + rgb)
                                      .c_str()),
                      0);
            EXPECT_EQ(LoadPath(bmp), Slurp(rgb)) << format << options;
            EXPECT_EQ(m_bmp.m_nBytesRead, static_cast<std::int32_t>(std::filesystem::file_size(bmp)))
                << format << options;
        }
    }
}

}  // namespace
