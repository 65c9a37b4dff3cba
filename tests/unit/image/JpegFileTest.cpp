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
#include <string_view>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

struct Picture {
    std::uint32_t width = 99;  // not 0, to see the reader clear it
    std::uint32_t height = 99;
    Bytes rgb;
    bool operator==(const Picture&) const = default;
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

    Picture Load(const std::string& name) const {
        Picture picture;
        std::unique_ptr<unsigned char[]> bits(JpegFile::Load(PathOf(name), picture.width, picture.height));
        picture.rgb.assign(bits.get(), bits.get() + (bits ? std::size_t{picture.width} * picture.height * 3 : 0));
        return picture;
    }

    // djpeg's picture of the file (it warns about a cut-off file but still writes it); its
    // grey samples are spread over red, green and blue as the reader spreads them.
    Picture Djpeg(const std::string& name) const {
        Shell("djpeg -pnm " + name + " >" + name + ".pnm 2>/dev/null");
        std::ifstream in(PathOf(name + ".pnm"), std::ios::binary);
        Picture picture;
        std::string magic;
        unsigned maxValue = 0;
        in >> magic >> picture.width >> picture.height >> maxValue;
        in.get();
        for (unsigned char sample : Bytes(std::istreambuf_iterator<char>(in), {})) {
            picture.rgb.insert(picture.rgb.end(), magic == "P5" ? 3 : 1, sample);
        }
        return picture;
    }

    void ExpectOneBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
        ASSERT_EQ(world.messageBoxes.size(), 1u) << text;
        const MessageBoxRecord& box = world.messageBoxes[0];
        EXPECT_EQ(std::tuple(box.owner, box.text, box.caption, box.type), std::tuple(owner, text, caption, type));
        world.messageBoxes.clear();
    }
};

// rose is 70 x 46, so its last rows end inside an iMCU row. ImageMagick writes inverted CMYK
// as YCCK (Adobe transform 2); with the transform byte set to 0 the same data is plain CMYK.
// A cut-off file keeps its size and warns once, in a box owned by the active window.
TEST_F(JpegFileTest, PicturesMatchDjpegsAndACutOffFileWarnsOnce) {
    CDialog window(0);
    window.m_hWnd = world.CreateDialogWindow(window, nullptr);
    window.ShowWindow(SW_SHOWNORMAL);
    ASSERT_EQ(Shell("convert rose: rose.ppm && convert rose: -crop 3x2+30+20 small.ppm"
                    " && cjpeg -outfile rose.jpg rose.ppm && cjpeg -outfile small.jpg small.ppm"
                    " && cjpeg -progressive -outfile progressive.jpg rose.ppm"
                    " && cjpeg -sample 1x1 -restart 1 -arithmetic -outfile h1v1.jpg rose.ppm"
                    " && cjpeg -grayscale -outfile grey.jpg rose.ppm && convert rose: -colorspace CMYK ycck.jpg"
                    " && for f in rose progressive; do head -c $(($(wc -c <$f.jpg) / 2)) $f.jpg >cut-$f.jpg; done"),
              0);
    Bytes cmyk = Read("ycck.jpg");
    const auto transform = std::ranges::search(cmyk, std::string_view("Adobe")).begin() - cmyk.begin() + 11;
    ASSERT_EQ(cmyk.at(transform), 2);
    cmyk[transform] = 0;
    Write("cmyk.jpg", cmyk);
    for (std::string name : {"small.jpg", "rose.jpg", "progressive.jpg", "h1v1.jpg", "grey.jpg", "ycck.jpg",
                             "cmyk.jpg", "cut-rose.jpg", "cut-progressive.jpg"}) {
        EXPECT_TRUE(Load(name) == Djpeg(name)) << name << " differs from djpeg's picture";
        if (name.starts_with("cut-")) {
            ExpectOneBox(window.m_hWnd, "Premature end of JPEG file", "JPEG Error", MB_OK);
        }
    }
    EXPECT_TRUE(world.messageBoxes.empty());
}

// The size stays 0 unless decompression started; a fatal error after the image was allocated
// must release it (the sanitizer build sees the leak).
TEST_F(JpegFileTest, EachFailureShowsItsOneBoxAndYieldsNoPicture) {
    ASSERT_EQ(Shell("convert rose: rose.ppm && cjpeg -outfile rose.jpg rose.ppm"), 0);
    Bytes twoFrames = Read("rose.jpg");  // a second frame header before the end-of-image marker
    twoFrames.insert(twoFrames.end() - 2, {0xFF, 0xC0, 0x00, 0x0B, 8, 0x00, 0x08, 0x00, 0x08, 1, 1, 0x11, 0});
    Bytes huge = Read("rose.jpg");
    const auto frame = std::ranges::search(huge, Bytes{0xFF, 0xC0}).begin() - huge.begin();
    huge.at(frame + 5) = huge.at(frame + 7) = 0x4E;  // 20000 x 20000: 1.2 GB as RGB
    huge.at(frame + 6) = huge.at(frame + 8) = 0x20;
    // Longer than any fixed path buffer; its folder does not exist, so it is never written.
    const std::string missing = std::string(150, 'd') + "/" + std::string(200, 'f') + ".jpg";
    const std::string fatal = "JPEG Fatal Error";
    const UINT stop = MB_OK | MB_ICONSTOP;
    // The file, its bytes, the width left, the box's text, caption and type.
    const std::tuple<std::string, Bytes, std::uint32_t, std::string, std::string, UINT> cases[] = {
        {"bitmap.jpg", {'B', 'M', 0x36, 0x00, 0x00, 0x00}, 0, "Not a JPEG file: starts with 0x42 0x4d", fatal, stop},
        {"empty.jpg", {}, 0, "Empty input file", fatal, stop},
        {"two-frames.jpg", twoFrames, 70, "Invalid JPEG file structure: two SOF markers", fatal, stop},
        {"huge.jpg", huge, 0, "JpegFile :\nOut of memory", fw::AfxGetAppName(), stop},
        {missing, {}, 0, "JPEG :\nCan't open " + PathOf(missing) + "\n", fw::AfxGetAppName(), MB_OK},
    };
    for (const auto& [name, bytes, width, text, caption, type] : cases) {
        Write(name, bytes);
        const Picture picture = Load(name);
        EXPECT_TRUE(picture.rgb.empty()) << name;
        EXPECT_EQ(picture.width, width) << name;
        ExpectOneBox(nullptr, text, caption, type);
    }
}

}  // namespace
