// The GIF reader: hand-built files for the rules of the format and of its LZW decoder,
// and whole images checked against ImageMagick.
#include "image/GifFile.h"
#include "image/GifLzwDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

unsigned char Lo(int word) { return static_cast<unsigned char>(word); }
unsigned char Hi(int word) { return static_cast<unsigned char>(word >> 8); }

// "GIF89a", then the screen: width, height, flags (0x80: a global table of 2 << (flags & 7)
// entries), background index, pixel aspect ratio.
Bytes Screen(int width, int height, unsigned char flags, unsigned char aspect = 0) {
    return {'G', 'I', 'F', '8', '9', 'a', Lo(width), Hi(width), Lo(height), Hi(height), flags, 0, aspect};
}

// Image separator, left, top, width, height, flags (0x40 interlaced, 0x80 a local table of
// 1 << ((flags & 7) + 1) entries).
Bytes Descriptor(int width, int height, unsigned char flags = 0) {
    return {0x2C, 0, 0, 0, 0, Lo(width), Hi(width), Lo(height), Hi(height), flags};
}

constexpr unsigned char FOUR_ENTRIES = 0x81;  // screen flags for FOUR_COLORS
const Bytes FOUR_COLORS = {10, 20, 30, 255, 0, 0, 0, 255, 0, 0, 0, 255};  // 0 is not black

// The RGB bytes of indices into FOUR_COLORS; -1 is a pixel never written (black).
Bytes Pixels(const std::vector<int>& indices) {
    Bytes rgb;
    for (int index : indices) {
        for (int channel = 0; channel < 3; ++channel) {
            rgb.push_back(index < 0 ? 0 : FOUR_COLORS[3 * index + channel]);
        }
    }
    return rgb;
}

// Sub-blocks of at most blockSize bytes and the zero-length block that ends them.
Bytes SubBlocks(const Bytes& data, std::size_t blockSize = 255) {
    Bytes blocks;
    for (std::size_t at = 0; at < data.size(); at += blockSize) {
        const std::size_t n = std::min(blockSize, data.size() - at);
        blocks.push_back(static_cast<unsigned char>(n));
        blocks.insert(blocks.end(), data.begin() + at, data.begin() + at + n);
    }
    blocks.push_back(0);
    return blocks;
}

// Codes packed least significant bit first, each as wide as an encoder makes it: the
// width grows when the decoder's table reaches 1 << width entries.
Bytes PackCodes(int minCodeSize, const std::vector<int>& codes) {
    const int clear = 1 << minCodeSize;
    int width = minCodeSize + 1;
    int next = clear + 2;
    bool afterClear = true;
    Bytes bytes;
    std::uint32_t bits = 0;
    int bitCount = 0;
    for (int code : codes) {
        bits |= static_cast<std::uint32_t>(code) << bitCount;
        for (bitCount += width; bitCount >= 8; bitCount -= 8, bits >>= 8) {
            bytes.push_back(static_cast<unsigned char>(bits));
        }
        if (code == clear) {
            width = minCodeSize + 1;
            next = clear + 2;
            afterClear = true;
        } else if (code != clear + 1 && !std::exchange(afterClear, false) && next < 4096 && ++next == 1 << width &&
                   width < 12) {
            ++width;
        }
    }
    if (bitCount > 0) {
        bytes.push_back(static_cast<unsigned char>(bits));
    }
    return bytes;
}

// The minimum code size byte and the codes in sub-blocks.
Bytes ImageData(int minCodeSize, const std::vector<int>& codes) {
    return Cat({{static_cast<unsigned char>(minCodeSize)}, SubBlocks(PackCodes(minCodeSize, codes))});
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

struct Decoded {
    Bytes rgb;  // empty on failure
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::string error;
};

Decoded ReadGif(const std::string& path) {
    Decoded result;
    GifFile gif;
    std::unique_ptr<unsigned char[]> bits(gif.GIFRead(path, result.width, result.height));
    if (bits) {
        result.rgb.assign(bits.get(), bits.get() + std::size_t{result.width} * result.height * 3);
    }
    result.error = gif.m_strError;
    return result;
}

class GifFileTest : public testing::Test {
protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path() / ("kaleidra-gif-" + std::to_string(getpid()) + "-" + test->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Write(const Bytes& bytes) {
        WriteFile((m_dir / "image.gif").string(), bytes);
        return (m_dir / "image.gif").string();
    }
    Decoded Read(const Bytes& bytes) { return ReadGif(Write(bytes)); }
    // A width x height image with FOUR_COLORS as its global table.
    Bytes WithFourColors(int width, int height, const Bytes& data, unsigned char flags = 0) {
        return Cat({Screen(width, height, FOUR_ENTRIES), FOUR_COLORS, Descriptor(width, height, flags), data, {0x3B}});
    }
    Bytes ReadCodes(int width, int height, const Bytes& data) { return Read(WithFourColors(width, height, data)).rgb; }

    fs::path m_dir;
};

TEST_F(GifFileTest, LzwCodes) {
    // Minimum code size 2: clear 4, end 5, first free entry 6. Least significant bit first,
    // clear 1 2 6 take 3 bits; the table then holds 8 entries and 7 8 end take 4:
    // 001 100 010 011 | 1110 0001 1010 = 8C 7C 58. 6 = "1 2", 7 = "2 1", 8 = "1 2 2".
    Decoded image = Read(WithFourColors(3, 3, {2, 3, 0x8C, 0x7C, 0x58, 0}));
    EXPECT_EQ(image.error, "No Error");
    EXPECT_EQ(image.width, 3u);
    EXPECT_EQ(image.height, 3u);
    EXPECT_EQ(image.rgb, Pixels({1, 2, 1, 2, 2, 1, 1, 2, 2}));
    // The same codes in one-byte sub-blocks.
    EXPECT_EQ(ReadCodes(3, 3, {2, 1, 0x8C, 1, 0x7C, 1, 0x58, 0}), Pixels({1, 2, 1, 2, 2, 1, 1, 2, 2}));
    // clear 1 2 7 end = 8C 5E: 7 is the entry being defined, "2" and its own first byte.
    EXPECT_EQ(ReadCodes(4, 1, {2, 2, 0x8C, 0x5E, 0}), Pixels({1, 2, 2, 2}));

    // 4090 literals fill the table up to 4095; the five after it add nothing and take 12
    // bits, as does 4095, still literal 4089 and literal 4090's byte; a clear code brings
    // back 3-bit codes.
    std::vector<int> codes{4};
    std::vector<int> expected;
    for (int i = 0; i < 4096; ++i) {
        codes.push_back(i % 3 + 1);
        expected.push_back(i % 3 + 1);
    }
    codes.insert(codes.end(), {4095, 4, 2, 1, 5});
    expected.insert(expected.end(), {4089 % 3 + 1, 4090 % 3 + 1, 2, 1});
    EXPECT_EQ(ReadCodes(static_cast<int>(expected.size()), 1, ImageData(2, codes)), Pixels(expected));
}

TEST_F(GifFileTest, CodeReaderCarriesBitsAcrossSubBlocks) {
    // Sub-blocks B4 | A1 | end: 1011 0100, 1010 0001.
    GifSource file(Write({1, 0xB4, 1, 0xA1, 0}));
    EXPECT_EQ(NextCode(file, 0, true), 0);
    EXPECT_EQ(NextCode(file, 3, false), 0b100);
    EXPECT_EQ(NextCode(file, 5, false), 0b10110);
    EXPECT_EQ(NextCode(file, 4, false), 0b0001);
    // Reaching the end of A1 reads the next sub-block, the empty one; the bits not yet
    // taken come from the bytes carried over.
    EXPECT_EQ(NextCode(file, 4, false), 0b1010);
    EXPECT_EQ(NextCode(file, 12, false), 0);
}

TEST_F(GifFileTest, InterlacedRowsFollowTheFourPasses) {
    // One pixel per row, the n-th decoded being index n, whose red is n.
    Bytes colors(3 * 16);
    for (int i = 0; i < 16; ++i) {
        colors[3 * i] = static_cast<unsigned char>(i);
    }
    auto rowOrder = [&](int height) {
        const Bytes data = ImageData(4, {16, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 17});
        const Bytes rgb = Read(Cat({Screen(1, height, 0x83), colors, Descriptor(1, height, 0x40), data})).rgb;
        std::vector<int> order;
        for (std::size_t i = 0; i < rgb.size(); i += 3) {
            order.push_back(rgb[i]);
        }
        return order;
    };
    // Rows 0 8 | 4 | 2 6 | 1 3 5 7 9.
    EXPECT_EQ(rowOrder(10), (std::vector<int>{0, 5, 3, 6, 2, 7, 4, 8, 1, 9}));
    // Row 0 | pass 1 would start at row 4 | 2 | 1.
    EXPECT_EQ(rowOrder(3), (std::vector<int>{0, 2, 1}));
}

TEST_F(GifFileTest, DataThatStopsShort) {
    // Data that runs out: clear 1 2 3 in 3 bits and 1 in 4, 8C 16, fill two rows; every
    // code after them reads as 0.
    EXPECT_EQ(ReadCodes(2, 4, {2, 2, 0x8C, 0x16, 0}), Pixels({1, 2, 3, 1, 0, 0, 0, 0}));
    // clear 1 2, 8C 00, then the file ends after the sub-block (the padding bits read as
    // code 0), or inside it (then none of its bytes count).
    const Bytes start = Cat({Screen(3, 1, FOUR_ENTRIES), FOUR_COLORS, Descriptor(3, 1)});
    EXPECT_EQ(Read(Cat({start, {2, 2, 0x8C, 0x00}})).rgb, Pixels({1, 2, 0}));
    EXPECT_EQ(Read(Cat({start, {2, 3, 0x8C, 0x00}})).rgb, Pixels({0, 0, 0}));
    // 1 2 3 = D1 00: the code that straddles the end of the data takes 0 for the bits
    // beyond it, whatever the code buffer held.
    EXPECT_EQ(ReadCodes(8, 1, {2, 2, 0xD1, 0x00, 0}), Pixels({1, 2, 3, 0, 0, 0, 0, 0}));

    // An early end code: clear 1 2 end = 8C 0A.
    EXPECT_EQ(ReadCodes(4, 1, {2, 2, 0x8C, 0x0A, 0}), Pixels({1, 2, -1, -1}));

    // A corrupt table: clear 2 7 1 7 = D4 73. 7, beyond the next entry 6, reads as "2 2"
    // and becomes the old code, so 1 makes entry 7 its own prefix; reading it ends.
    EXPECT_EQ(ReadCodes(6, 1, {2, 2, 0xD4, 0x73, 0}), Pixels({2, 2, 2, 1, -1, -1}));
    // clear 0 clear 7 6 1 6: 7 passes unchecked after a clear code, 6 makes entry 6 on
    // prefix 7, 1 entry 7 on prefix 6. Reading 6 walks 6 7 6 7 ... until the 8192-byte
    // stack would overflow. (Colour 7 is grey 7.)
    Bytes expected = Pixels({0, -1, 0, 0, -1, 1, -1, -1});
    std::fill_n(expected.begin() + 3, 3, 7);
    std::fill_n(expected.begin() + 12, 3, 7);
    EXPECT_EQ(Read(Cat({Screen(8, 1, 0x82), FOUR_COLORS, Bytes(9), {7, 7, 7}, Descriptor(8, 1),
                        ImageData(2, {4, 0, 4, 7, 6, 1, 6})}))
                  .rgb,
              expected);

    // A minimum code size above 11 is corrupt data. The image before it is full before
    // the string of 6 ("1 2") is all taken, and that rest must not show up.
    ASSERT_EQ(ReadCodes(2, 1, ImageData(2, {4, 1, 2, 6, 5})), Pixels({1, 2}));
    for (unsigned char size : {12, 255}) {
        EXPECT_EQ(ReadCodes(2, 1, {size, 2, 0xFF, 0xFF, 0}), Pixels({-1, -1}));
    }
}

TEST_F(GifFileTest, OnlyTheFirstImageCountsAndExtensionsAreSkipped) {
    Decoded image = Read(Cat({Screen(4, 4, FOUR_ENTRIES), FOUR_COLORS,
                              {0x21, 0xF9, 4, 0x01, 0, 0, 1, 0},  // graphic control: index 1 transparent
                              {0x21, 0xFE, 2, 'h', 'i', 0},       // comment
                              {0x21, 0x01, 1, 0, 0},              // plain text
                              {0x21, 0x99, 0},                    // unknown label
                              // a graphic control block is taken even when empty, and
                              // the sub-blocks after it, holding ',', with it
                              {0x21, 0xF9, 0, 2, 0x2C, 0x2C, 0},
                              {0x3B},  // a stray byte
                              Descriptor(2, 1), ImageData(2, {4, 3, 1, 5}),
                              Descriptor(3, 1), ImageData(2, {4, 2, 2, 2, 5}), {0x3B}}));
    EXPECT_EQ(image.width, 2u);
    EXPECT_EQ(image.height, 1u);
    EXPECT_EQ(image.rgb, Pixels({3, 1}));
}

TEST_F(GifFileTest, FailuresAreReported) {
    const Bytes screen = Cat({Screen(2, 1, FOUR_ENTRIES), FOUR_COLORS});
    const Bytes data = ImageData(2, {4, 1, 2, 5});
    const std::string path = (m_dir / "image.gif").string();
    const std::string noPixels = "Error, the GIF image has no pixels (width or height is 0).\nGiving up";
    const std::pair<Bytes, std::string> cases[] = {
        {{'G', 'I', 'F', '8', '9'}, "Error reading GIF Magic #\n" + path},
        {{'J', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0}, "Error, " + path + " is not a valid .GIF file"},
        {{'G', 'I', 'F', '8', '8', 'a', 2, 0, 1, 0, 0, 0, 0}, "Error, Bad GIF Version number"},
        {{'G', 'I', 'F', '8', '7', 'a', 2, 0, 1, 0, 0, 0}, "Error, failed to GIF read screen descriptor.\nGiving up"},
        {Bytes(screen.begin(), screen.end() - 2), "Error reading GIF colormap"},
        {Cat({screen, {0x21, 0xFE, 1, 'x', 0, 0x3B}}), "Unexpected EOF in GIF.\nGiving up"},
        {Cat({screen, {0x21}}), "Error on extension read.\nGiving up"},
        {Cat({screen, {0x2C, 0, 0, 0, 0, 2, 0, 1}}), "Error on dimension read\nGiving up"},
        {Cat({screen, Descriptor(0, 1), data}), noPixels},
        {Cat({screen, Descriptor(2, 0), data}), noPixels},
        {Cat({screen, Descriptor(65535, 65535), data}), "Out of Memory in GIFRead"},
        {Cat({screen, Descriptor(2, 1, 0x80), {1, 2, 3, 4, 5}}), "Error reading GIF colormap\nGiving up"},
        {Cat({screen, Descriptor(2, 1, 0x80), {1, 2, 3, 4, 5, 6}}), "Error reading GIF file\nLocalColorMap\nGiving up"},
        {Cat({screen, Descriptor(2, 1)}), "Error reading GIF file\nGIFScreen Colormap\nGiving up"},
        // a failure replaces the note on non-square pixels
        {Cat({Screen(2, 1, 0, 50), {0x3B}}), "Unexpected EOF in GIF.\nGiving up"},
    };
    for (const auto& [bytes, message] : cases) {
        std::uint32_t width = 7;
        std::uint32_t height = 9;
        GifFile gif;
        EXPECT_EQ(gif.GIFRead(Write(bytes), width, height), nullptr);
        EXPECT_EQ(gif.m_strError, message);
        EXPECT_TRUE(width == 7 && height == 9);
    }
    EXPECT_EQ(ReadGif("").error, "No Name Given");
    EXPECT_EQ(ReadGif(path + "x").error, "Cant open GIF :\n" + path + "x");

    // Non-square pixels leave a note after a successful read.
    const Bytes rest = Cat({FOUR_COLORS, Descriptor(2, 1), data});
    Decoded noted = Read(Cat({Screen(2, 1, FOUR_ENTRIES, 50), rest}));
    EXPECT_EQ(noted.rgb, Pixels({1, 2}));
    EXPECT_EQ(noted.error, "Non-square pixels in GIF image.\nIgnoring that fact...");
    EXPECT_EQ(Read(Cat({Screen(2, 1, FOUR_ENTRIES, 49), rest})).error, "No Error");
}

TEST_F(GifFileTest, ColorMaps) {
    // A file without tables takes the colours of the last file with a global table.
    const Bytes noTables = Cat({Screen(4, 1, 0), Descriptor(4, 1), ImageData(2, {4, 0, 1, 2, 3, 5})});
    ASSERT_EQ(ReadCodes(1, 1, ImageData(2, {4, 1, 5})), Pixels({1}));
    EXPECT_EQ(Read(noTables).rgb, Pixels({0, 1, 2, 3}));
    // A global table cut short still replaces the entries it holds whole.
    EXPECT_EQ(Read(Cat({Screen(1, 1, FOUR_ENTRIES), {1, 2, 3, 4, 5, 6, 7}})).error, "Error reading GIF colormap");
    Bytes expected = Pixels({0, 1, 2, 3});
    std::iota(expected.begin(), expected.begin() + 6, 1);
    EXPECT_EQ(Read(noTables).rgb, expected);

    // A local table of two entries leaves the entries after it black.
    EXPECT_EQ(Read(Cat({Screen(4, 1, FOUR_ENTRIES), FOUR_COLORS, Descriptor(4, 1, 0x80), {9, 9, 9, 8, 8, 8},
                        ImageData(2, {4, 0, 1, 2, 3, 5})}))
                  .rgb,
              (Bytes{9, 9, 9, 8, 8, 8, 0, 0, 0, 0, 0, 0}));
    // The code after a clear code is taken as an index unchecked: 300 shows entry 44.
    Bytes colors(3 * 256);
    colors[3 * 44] = 44;
    EXPECT_EQ(Read(Cat({Screen(1, 1, 0x87), colors, Descriptor(1, 1), ImageData(8, {256, 300, 257})})).rgb,
              (Bytes{44, 0, 0}));
}

// Exit code 0 when an image without colour tables comes out black.
int ReadTablelessImage() {
    const std::string path = (fs::temp_directory_path() / ("kaleidra-gif-" + std::to_string(getpid()))).string();
    WriteFile(path, Cat({Screen(1, 1, 0), Descriptor(1, 1), ImageData(2, {4, 0, 5})}));
    const Decoded image = ReadGif(path);
    fs::remove(path);
    return image.rgb == Bytes{0, 0, 0} ? 0 : 1;
}

TEST(GifFileDeathTest, GlobalColorMapIsBlackBeforeAnyGifIsRead) {
    // The child process starts afresh, with no GIF read before.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(ReadTablelessImage()), testing::ExitedWithCode(0), "");
}

// ReadIndices is NextIndex taken many at a time: on any data, corrupt or not, both
// give the same indices and leave the decoder in the same state.
TEST_F(GifFileTest, DecodingInBulkMatchesOneIndexAtATime) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        // Mostly literals and entries already made, now and then any code at all, and a
        // few bytes spoilt.
        const int minCodeSize = 1 + static_cast<int>(random() % 8);
        std::vector<int> codes{1 << minCodeSize};
        for (int made = (1 << minCodeSize) + 2; made < (1 << minCodeSize) + 2002; ++made) {
            codes.push_back(static_cast<int>(random() % (random() % 50 == 0 ? 4096 : std::min(made, 4096))));
        }
        Bytes packed = PackCodes(minCodeSize, codes);
        for (std::size_t i = random() % 400; i < packed.size(); i += 1 + random() % 400) {
            packed[i] = static_cast<unsigned char>(random());
        }
        const std::string path = Write(SubBlocks(packed, 1 + random() % 255));

        GifSource oneFile(path);
        GifSource bulkFile(path);
        auto one = std::make_unique<GifLzwDecoder>();
        auto bulk = std::make_unique<GifLzwDecoder>();
        one->Init(minCodeSize);
        bulk->Init(minCodeSize);
        std::vector<int> expected;
        int expectedEnd = 0;
        while (expected.size() < 8000 && expectedEnd == 0) {
            const int index = one->NextIndex(oneFile);
            if (index < 0) {
                expectedEnd = index;
            } else {
                expected.push_back(index & 0xFF);
            }
        }
        std::vector<int> got;
        int end = 0;
        while (got.size() < 8000 && end == 0) {
            unsigned char chunk[300];
            const std::size_t count = std::min<std::size_t>(1 + random() % 300, 8000 - got.size());
            const std::size_t n = bulk->ReadIndices(bulkFile, chunk, count, end);
            got.insert(got.end(), chunk, chunk + n);
        }
        ASSERT_EQ(got, expected) << "round " << round;
        ASSERT_EQ(end, expectedEnd) << "round " << round;
        for (int i = 0; i < 3; ++i) {
            ASSERT_EQ(bulk->NextIndex(bulkFile), one->NextIndex(oneFile)) << "round " << round;
        }
    }
}

TEST_F(GifFileTest, ImagesMatchImageMagick) {
    const char* const variants[] = {
        "-size 97x61 plasma:fractal -colors 256",
        "-size 97x61 plasma:fractal -colors 256 -interlace GIF",
        "-size 300x200 plasma:fractal -colors 4",
        "-size 300x7 gradient:red-blue -colors 77 -interlace GIF",
    };
    for (const std::string variant : variants) {
        const std::string gif = (m_dir / "magick.gif").string();
        const std::string rgb = (m_dir / "magick.rgb").string();
        ASSERT_EQ(std::system(("convert -seed 3 " + variant + " '" + gif + "' && convert '" + gif + "' 'rgb:" + rgb +
                               "'")
                                  .c_str()),
                  0);
        std::ifstream file(rgb, std::ios::binary);
        const Bytes reference{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        EXPECT_EQ(ReadGif(gif).rgb, reference) << variant;
    }
}

}  // namespace
