// The GIF reader: hand-built files for the rules of the format and of its LZW decoder.
// Whole files written by ImageMagick are checked through kaleidra-convert.
#include "codecs/GifFile.h"

#include "support/Pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

unsigned char U8(int value) { return static_cast<unsigned char>(value); }

// Colour i of the tables here is i + 1, 2i + 2, 3i + 3: black only for -1, a pixel never written.
Bytes Colours(const std::vector<int>& indices) {
    Bytes rgb;
    for (int i : indices) {
        rgb.insert(rgb.end(), {U8(i + 1), U8(2 * i + 2), U8(3 * i + 3)});
    }
    return rgb;
}
const Bytes SIXTEEN = Colours({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});

// "GIF89a" and the screen: width, height (both unused), flags (0x80: a global table of
// 2 << (flags & 7) entries, by default SIXTEEN), background index, pixel aspect ratio.
Bytes Screen(unsigned char flags = 0x83, unsigned char aspect = 0) {
    return {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, flags, 0, aspect};
}

// Image separator, left, top, width, height, flags (0x40 interlaced, 0x80 a local table of
// 1 << ((flags & 7) + 1) entries).
Bytes Descriptor(int width, int height, unsigned char flags = 0) {
    return {0x2C, 0, 0, 0, 0, U8(width), U8(width >> 8), U8(height), U8(height >> 8), flags};
}

// A width x height image with SIXTEEN as its global table.
Bytes Gif(int width, int height, const Bytes& data, unsigned char flags = 0) {
    return Cat({Screen(), SIXTEEN, Descriptor(width, height, flags), data});
}

// Codes packed least significant bit first, each as wide as an encoder makes it: the
// width grows when the decoder's table reaches 1 << width entries.
Bytes PackCodes(int minCodeSize, const std::vector<int>& codes) {
    const int clear = 1 << minCodeSize;
    int width = minCodeSize + 1, next = clear + 1, bit = 0;
    Bytes bytes;
    for (int code : codes) {
        for (int i = 0; i < width; ++i, ++bit) {
            bytes.resize(bit / 8 + 1);
            bytes.back() |= U8(((code >> i) & 1) << (bit % 8));
        }
        if (code == clear) {
            width = minCodeSize + 1;
            next = clear + 1;  // the code after a clear code makes no entry
        } else if (code != clear + 1 && ++next > clear + 2 && next >= 1 << width && width < 12) {
            ++width;
        }
    }
    return bytes;
}

// The minimum code size byte, the codes in sub-blocks of at most that many bytes, and the
// zero-length block that ends them.
Bytes ImageData(int minCodeSize, const std::vector<int>& codes, std::size_t blockBytes = 255) {
    const Bytes packed = PackCodes(minCodeSize, codes);
    Bytes data{U8(minCodeSize)};
    for (std::size_t at = 0; at < packed.size(); at += blockBytes) {
        data.push_back(U8(static_cast<int>(std::min(blockBytes, packed.size() - at))));
        data.insert(data.end(), packed.begin() + at, packed.begin() + at + data.back());
    }
    data.push_back(0);
    return data;
}

// One reader for all the files of a test, as in the program.
class GifFileTest : public testing::Test {
protected:
    // The pixels, or nothing when the read failed; the message is kept.
    Bytes Read(const Bytes& bytes) {
        ByteReader reader(bytes);
        const DecodedImage decoded = m_gif.GIFRead(reader, m_path);
        m_error = decoded.messages.empty() ? "No Error" : decoded.messages.at(0).text;
        return TopDownRgb(decoded.image);
    }

    const std::string m_path = "/p/picture.gif";  // named in some messages
    std::string m_error;
    GifFile m_gif;
};

TEST_F(GifFileTest, DecodesWhatTheCodesAndTablesSay) {
    // 4090 literals fill the table up to 4095; the five after it add nothing and take 12
    // bits, as does 4095, still literal 4089 and literal 4090's byte; a clear code brings
    // back 3-bit codes.
    std::vector<int> full(4096), fullCodes{4};
    std::generate(full.begin(), full.end(), [i = 0]() mutable { return i++ % 3 + 1; });
    fullCodes.insert(fullCodes.end(), full.begin(), full.end());
    fullCodes.insert(fullCodes.end(), {4095, 4, 2, 1, 5});
    full.insert(full.end(), {4089 % 3 + 1, 4090 % 3 + 1, 2, 1});
    const Bytes zeroToNine = ImageData(4, {16, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 17});
    // After clear 1 2 3, strings "1 2" and one 1 more each, up to 10 bytes: each code the
    // entry being defined (from 9 on), then two of them again.
    std::vector<int> growing{4, 1, 2, 3}, grown{1, 2, 3};
    for (int length : {2, 3, 4, 5, 6, 7, 8, 9, 10, 7, 10}) {
        growing.push_back(length == 2 ? 6 : length + 6);
        grown.insert(grown.end(), {1, 2});
        grown.insert(grown.end(), length - 2, 1);
    }
    growing.push_back(5);

    const std::pair<Bytes, std::vector<int>> cases[] = {
        // Minimum code size 2: clear 4, end 5, first free entry 6. Least significant bit first,
        // clear 1 2 6 take 3 bits; the table then holds 8 entries and 7 8 end take 4:
        // 001 100 010 011 | 1110 0001 1010 = 8C 7C 58. 6 = "1 2", 7 = "2 1", 8 = "1 2 2".
        {Gif(3, 3, {2, 3, 0x8C, 0x7C, 0x58, 0}), {1, 2, 1, 2, 2, 1, 1, 2, 2}},
        // clear 1 2 7 end = 8C 5E: 7 is the entry being defined, "2" and its own first byte.
        {Gif(4, 1, {2, 2, 0x8C, 0x5E, 0}), {1, 2, 2, 2}},
        {Gif(static_cast<int>(full.size()), 1, ImageData(2, fullCodes)), full},
        {Gif(static_cast<int>(full.size()), 1, ImageData(2, fullCodes, 1)), full},  // a code over three sub-blocks
        {Gif(74, 1, ImageData(2, growing)), grown},
        {Gif(37, 2, ImageData(2, growing)), grown},  // strings across the rows
        // Interlaced, one pixel per row, the n-th decoded being n: rows 0 8 | 4 | 2 6 | 1 3 5 7 9;
        // and row 0 | pass 1 would start at row 4 | 2 | 1.
        {Gif(1, 10, zeroToNine, 0x40), {0, 5, 3, 6, 2, 7, 4, 8, 1, 9}},
        {Gif(1, 3, zeroToNine, 0x40), {0, 2, 1}},

        // clear 1 2 3 in 3 bits and 1 in 4 = 8C 16 fill two rows; then the data runs out and
        // every code reads as 0.
        {Gif(2, 4, {2, 2, 0x8C, 0x16, 0}), {1, 2, 3, 1, 0, 0, 0, 0}},
        // clear 1 2 = 8C 00, then the file ends after the sub-block (the padding bits read as
        // code 0), or inside it (then none of its bytes count).
        {Gif(3, 1, {2, 2, 0x8C, 0x00}), {1, 2, 0}},
        {Gif(3, 1, {2, 3, 0x8C, 0x00}), {0, 0, 0}},
        // 1 2 3 = D1 00: the code that straddles the end takes 0 for the bits beyond it.
        {Gif(8, 1, {2, 2, 0xD1, 0x00, 0}), {1, 2, 3, 0, 0, 0, 0, 0}},
        {Gif(4, 1, {2, 2, 0x8C, 0x0A, 0}), {1, 2, -1, -1}},  // an early end code: clear 1 2 end
        // A corrupt table: clear 2 7 1 7 = D4 73. 7, beyond the next entry 6, reads as "2 2"
        // and becomes the old code, so 1 makes entry 7 its own prefix; reading it ends.
        {Gif(6, 1, {2, 2, 0xD4, 0x73, 0}), {2, 2, 2, 1, -1, -1}},
        // clear 0 clear 7 6 1 6: 7 passes unchecked after a clear code, 6 makes entry 6 on
        // prefix 7, 1 entry 7 on prefix 6. Reading 6 walks 6 7 6 7 ... until the 8192-byte
        // stack would overflow.
        {Gif(8, 1, ImageData(2, {4, 0, 4, 7, 6, 1, 6})), {0, 7, 0, 0, 7, 1, -1, -1}},
        // A minimum code size above 11 is corrupt data. The image before it is full before
        // the string of 6 ("1 2") is all taken, and that rest must not show up.
        {Gif(2, 1, ImageData(2, {4, 1, 2, 6, 5})), {1, 2}},
        {Gif(2, 1, {12, 2, 0xFF, 0xFF, 0}), {-1, -1}},

        // Only the first image counts; extensions are skipped.
        {Cat({Screen(), SIXTEEN,
              {0x21, 0xF9, 4, 0x01, 0, 0, 1, 0},  // graphic control: index 1 transparent
              {0x21, 0xFE, 2, 'h', 'i', 0},       // comment; other labels alike
              {0x21, 0xF9, 0, 2, 0x2C, 0x2C, 0},  // graphic control: its block is taken even when empty
              {0x3B},                             // a stray byte
              Descriptor(2, 1), ImageData(2, {4, 3, 1, 5}), Descriptor(3, 1), ImageData(2, {4, 2, 2, 2, 5})}),
         {3, 1}},
        // A file without tables takes the colours of the last file with a global table.
        {Cat({Screen(0), Descriptor(4, 1), ImageData(2, {4, 0, 1, 2, 3, 5})}), {0, 1, 2, 3}},
        // A local table of two entries (here colours 5 and 6) leaves the entries after it black.
        {Gif(4, 1, Cat({Colours({5, 6}), ImageData(2, {4, 0, 1, 2, 3, 5})}), 0x80), {5, 6, -1, -1}},
        // The code after a clear code is taken as an index unchecked: 300 shows entry 44.
        {Cat({Screen(0x87), Bytes(3 * 44), Colours({44}), Bytes(3 * 211), Descriptor(1, 1),
              ImageData(8, {256, 300, 257})}),
         {44}},
    };
    for (const auto& [file, pixels] : cases) {
        EXPECT_EQ(Read(file), Colours(pixels)) << testing::PrintToString(pixels);
    }
}

TEST_F(GifFileTest, FailuresAreReported) {
    const Bytes screen = Cat({Screen(), SIXTEEN});
    const Bytes data = ImageData(2, {4, 1, 2, 5});
    const std::pair<Bytes, std::string> cases[] = {
        {{'G', 'I', 'F', '8', '9'}, "Error reading GIF Magic #\n" + m_path},
        {{'J', 'I', 'F', '8', '9', 'a'}, "Error, " + m_path + " is not a valid .GIF file"},
        {{'G', 'I', 'F', '8', '8', 'a'}, "Error, Bad GIF Version number"},
        {{'G', 'I', 'F', '8', '7', 'a', 2, 0, 1, 0, 0, 0}, "Error, failed to GIF read screen descriptor.\nGiving up"},
        {Bytes(screen.begin(), screen.end() - 2), "Error reading GIF colormap"},
        {Cat({screen, {0x21, 0xFE, 1, 'x', 0, 0x3B}}), "Unexpected EOF in GIF.\nGiving up"},
        {Cat({screen, {0x21}}), "Error on extension read.\nGiving up"},
        {Cat({screen, {0x2C, 0, 0, 0, 0, 2, 0, 1}}), "Error on dimension read\nGiving up"},
        {Cat({screen, Descriptor(0, 1), data}),
         "Error, the GIF image has no pixels (width or height is 0).\nGiving up"},
        {Cat({screen, Descriptor(65535, 65535), data}), "Out of Memory in GIFRead"},
        {Cat({screen, Descriptor(2, 1, 0x80), {1, 2, 3, 4, 5}}), "Error reading GIF colormap\nGiving up"},
        {Cat({screen, Descriptor(2, 1, 0x80), Bytes(6)}), "Error reading GIF file\nLocalColorMap\nGiving up"},
        {Cat({screen, Descriptor(2, 1)}), "Error reading GIF file\nGIFScreen Colormap\nGiving up"},
        {Cat({Screen(0, 50), {0x3B}}), "Unexpected EOF in GIF.\nGiving up"},  // replaces the note below
    };
    for (const auto& [bytes, message] : cases) {
        EXPECT_EQ(Read(bytes), Bytes{}) << message;
        EXPECT_EQ(m_error, message);
    }
    // Non-square pixels are read all the same, with a note.
    EXPECT_EQ(Read(Cat({Screen(0x83, 50), SIXTEEN, Descriptor(2, 1), data})), Colours({1, 2}));
    EXPECT_EQ(m_error, "Non-square pixels in GIF image.\nIgnoring that fact...");
}

}  // namespace
