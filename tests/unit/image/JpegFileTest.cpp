// The JPEG reader against libjpeg's own djpeg: every picture must match djpeg's output of the
// same file, and every failure must show exactly the one box the user is meant to see.
#include "image/JpegFile.h"

#include "framework/SystemServices.h"
#include "framework/Wnd.h"
#include "platform/headless/HeadlessWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

struct Picture {
    bool loaded = false;
    // Not 0, to see the reader clear them.
    std::uint32_t width = 99;
    std::uint32_t height = 99;
    Bytes rgb;
};

class JpegFileTest : public testing::Test {
protected:
    HeadlessWorld world;

    std::string PathOf(const std::string& name) const { return (world.Root() / name).string(); }

    // A shell command in the world's own folder, so parallel tests never share a file.
    int Shell(const std::string& command) const {
        return std::system(("cd '" + world.Root().string() + "' && " + command).c_str());
    }

    void Write(const std::string& name, const Bytes& bytes) const {
        std::ofstream(PathOf(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }

    Bytes Read(const std::string& name) const {
        std::ifstream in(PathOf(name), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    Picture Load(const std::string& path) const {
        Picture picture;
        std::unique_ptr<unsigned char[]> bits(JpegFile::Load(path, picture.width, picture.height));
        picture.loaded = bits != nullptr;
        if (bits != nullptr) {
            picture.rgb.assign(bits.get(), bits.get() + std::size_t{picture.width} * picture.height * 3);
        }
        return picture;
    }

    // djpeg's picture of the file (it warns about a cut-off file but still writes it); its
    // grey samples are spread over red, green and blue as the reader spreads them.
    Picture Djpeg(const std::string& name) const {
        Shell("djpeg -pnm -outfile '" + name + ".pnm' '" + name + "' 2>/dev/null");
        std::ifstream in(PathOf(name + ".pnm"), std::ios::binary);
        Picture picture;
        picture.loaded = true;
        std::string magic;
        unsigned maxValue = 0;
        in >> magic >> picture.width >> picture.height >> maxValue;
        in.get();
        for (unsigned char sample : Bytes(std::istreambuf_iterator<char>(in), {})) {
            picture.rgb.insert(picture.rgb.end(), magic == "P5" ? 3 : 1, sample);
        }
        return picture;
    }

    void ExpectLikeDjpeg(const std::string& name) const {
        Picture actual = Load(PathOf(name));
        Picture expected = Djpeg(name);
        ASSERT_TRUE(actual.loaded) << name;
        EXPECT_EQ(actual.width, expected.width) << name;
        EXPECT_EQ(actual.height, expected.height) << name;
        EXPECT_TRUE(actual.rgb == expected.rgb) << name << " differs from djpeg's picture";
    }

    void ExpectOneBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
        ASSERT_EQ(world.messageBoxes.size(), 1u) << text;
        const MessageBoxRecord& box = world.messageBoxes[0];
        EXPECT_EQ(box.owner, owner);
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, caption);
        EXPECT_EQ(box.type, type);
        world.messageBoxes.clear();
    }

    void MakeRose() const { ASSERT_EQ(Shell("convert rose: rose.ppm && cjpeg -outfile rose.jpg rose.ppm"), 0); }
};

// Grey samples must come out as red = green = blue: djpeg's grey picture is spread that way.
TEST_F(JpegFileTest, ColourAndGreyFilesMatchTheLibrarysOwnPicture) {
    MakeRose();  // 70 x 46: the last rows end inside an iMCU row
    ASSERT_EQ(Shell("convert rose: -crop 3x2+30+20 +repage small.ppm && cjpeg -outfile small.jpg small.ppm"
                    " && cjpeg -progressive -outfile progressive.jpg rose.ppm"
                    " && cjpeg -sample 1x1 -restart 1 -arithmetic -outfile h1v1.jpg rose.ppm"
                    " && cjpeg -grayscale -outfile grey.jpg rose.ppm"),
              0);
    for (const char* name : {"small.jpg", "rose.jpg", "progressive.jpg", "h1v1.jpg", "grey.jpg"}) {
        ExpectLikeDjpeg(name);
    }
    EXPECT_EQ(Load(PathOf("small.jpg")).rgb.size(), 18u);
    EXPECT_TRUE(world.messageBoxes.empty());
}

TEST_F(JpegFileTest, CmykAndYcckBecomeTheirColours) {
    // ImageMagick writes inverted CMYK as YCCK (Adobe transform 2); with the transform byte
    // set to 0 the same data is read as plain CMYK.
    ASSERT_EQ(Shell("convert rose: -colorspace CMYK ycck.jpg && convert -size 8x8 'xc:rgb(200,100,50)' "
                    "-colorspace CMYK flat.jpg"),
              0);
    Bytes bytes = Read("ycck.jpg");
    const std::string adobe = "Adobe";
    auto marker = std::search(bytes.begin(), bytes.end(), adobe.begin(), adobe.end());
    ASSERT_LT(marker + 11, bytes.end());
    ASSERT_EQ(marker[11], 2);
    marker[11] = 0;
    Write("cmyk.jpg", bytes);
    ExpectLikeDjpeg("ycck.jpg");
    ExpectLikeDjpeg("cmyk.jpg");
    const int colour[] = {200, 100, 50};
    Bytes flat = Load(PathOf("flat.jpg")).rgb;
    ASSERT_EQ(flat.size(), 8u * 8 * 3);
    for (std::size_t i = 0; i < flat.size(); ++i) {
        EXPECT_NEAR(flat[i], colour[i % 3], 2) << "byte " << i;
    }
    EXPECT_TRUE(world.messageBoxes.empty());
}

TEST_F(JpegFileTest, FilesThatAreNoJpegShowTheLibrarysFatalError) {
    Write("bitmap.jpg", {'B', 'M', 0x36, 0x00, 0x00, 0x00});
    Write("empty.jpg", {});
    for (auto [name, text] : {std::pair{"bitmap.jpg", "Not a JPEG file: starts with 0x42 0x4d"},
                              std::pair{"empty.jpg", "Empty input file"}}) {
        Picture picture = Load(PathOf(name));
        EXPECT_FALSE(picture.loaded);
        EXPECT_EQ(picture.width, 0u);
        EXPECT_EQ(picture.height, 0u);
        ExpectOneBox(nullptr, text, "JPEG Fatal Error", MB_OK | MB_ICONSTOP);
    }
}

TEST_F(JpegFileTest, AFileThatCannotBeOpenedShowsItsWholePath) {
    const std::string path = PathOf(std::string(150, 'd') + "/" + std::string(200, 'f') + ".jpg");
    ASSERT_GT(path.size(), 300u);
    EXPECT_FALSE(Load(path).loaded);
    ExpectOneBox(nullptr, "JPEG :\nCan't open " + path + "\n", fw::AfxGetAppName(), MB_OK);
}

TEST_F(JpegFileTest, ACutOffFileWarnsOnceAndKeepsItsSize) {
    CDialog window(0);
    window.m_hWnd = world.CreateDialogWindow(window, nullptr);
    window.ShowWindow(SW_SHOWNORMAL);
    MakeRose();
    ASSERT_EQ(Shell("cjpeg -progressive -outfile progressive.jpg rose.ppm"), 0);
    for (std::string name : {"rose.jpg", "progressive.jpg"}) {
        Bytes bytes = Read(name);
        bytes.resize(bytes.size() / 2);
        Write("cut-" + name, bytes);
        ExpectLikeDjpeg("cut-" + name);
        ExpectOneBox(window.m_hWnd, "Premature end of JPEG file", "JPEG Error", MB_OK);
    }
}

TEST_F(JpegFileTest, AFatalErrorAfterTheImageWasAllocatedReleasesIt) {
    MakeRose();
    Bytes bytes = Read("rose.jpg");
    bytes.resize(bytes.size() - 2);  // the end-of-image marker gives way to a second frame header
    bytes.insert(bytes.end(), {0xFF, 0xC0, 0x00, 0x0B, 8, 0x00, 0x08, 0x00, 0x08, 1, 1, 0x11, 0});
    Write("two-frames.jpg", bytes);
    Picture picture = Load(PathOf("two-frames.jpg"));
    EXPECT_FALSE(picture.loaded);
    EXPECT_EQ(picture.width, 70u);
    EXPECT_EQ(picture.height, 46u);
    ExpectOneBox(nullptr, "Invalid JPEG file structure: two SOF markers", "JPEG Fatal Error", MB_OK | MB_ICONSTOP);
}

TEST_F(JpegFileTest, AnImageBeyondTheLimitIsOutOfMemory) {
    Bytes bytes{0xFF, 0xD8,                                      // start of image
                0xFF, 0xDB, 0x00, 0x43, 0x00};                   // quantisation table 0, 8-bit:
    bytes.insert(bytes.end(), 64, 1);                            //   64 ones
    bytes.insert(bytes.end(), {0xFF, 0xC0, 0x00, 0x0B, 8,        // baseline frame, 8-bit samples,
                               0x4E, 0x20, 0x4E, 0x20,           //   20000 x 20000: 1.2 GB as RGB
                               1, 1, 0x11, 0,                    //   one component 1x1, table 0
                               0xFF, 0xDA, 0x00, 0x08, 1, 1, 0,  // scan of it, default Huffman tables,
                               0, 63, 0,                         //   coefficients 0 to 63
                               0xFF, 0xD9});                     // end of image, no data
    Write("huge.jpg", bytes);
    Picture picture = Load(PathOf("huge.jpg"));
    EXPECT_FALSE(picture.loaded);
    EXPECT_EQ(picture.width, 0u);
    ExpectOneBox(nullptr, "JpegFile :\nOut of memory", fw::AfxGetAppName(), MB_OK | MB_ICONSTOP);
}

}  // namespace
