// The JPEG reader against libjpeg's own djpeg: every picture must match djpeg's output of the
// same file, and every failure must bring exactly the one message the user is meant to see.
#include "codecs/JpegFile.h"
#include "support/FaultInjection.h"
#include "support/Pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

// Width, height and the RGB samples.
using Picture = std::tuple<std::uint32_t, std::uint32_t, Bytes>;

class JpegFileTest : public testing::Test {
protected:
    // A shell command in the test's own folder, so parallel tests never share a file.
    int Shell(const std::string& command) const {
        return std::system(("cd '" + m_dir.Path().string() + "' && " + command).c_str());
    }

    Bytes Read(const std::string& name) const {
        const std::string contents = ReadFile(m_dir / name);
        return Bytes(contents.begin(), contents.end());
    }

    Picture Load(const Bytes& file) {
        ByteReader bytes(file);
        const DecodedImage decoded = JpegFile::Load(bytes);
        m_messages = decoded.messages;
        const ImageBuffer& image = decoded.image;
        return {image.Width(), image.Height(), TopDownRgb(image)};
    }

    // djpeg's picture of the file (it warns about a cut-off file but still writes it); its
    // grey samples are spread over red, green and blue as the reader spreads them.
    Picture Djpeg(const std::string& name) const {
        Shell("djpeg -pnm " + name + " >" + name + ".pnm 2>/dev/null");
        std::ifstream in(m_dir / (name + ".pnm"), std::ios::binary);
        Picture picture;
        auto& [width, height, rgb] = picture;
        std::string magic;
        unsigned maxValue = 0;
        in >> magic >> width >> height >> maxValue;
        in.get();
        for (unsigned char sample : Bytes(std::istreambuf_iterator<char>(in), {})) {
            rgb.insert(rgb.end(), magic == "P5" ? 3 : 1, sample);
        }
        return picture;
    }

    const TestFolder m_dir{"jpeg"};
    CodecMessages m_messages;
};

// rose is 70 x 46, so its last rows end inside an iMCU row. ImageMagick writes inverted CMYK
// as YCCK (Adobe transform 2); with the transform byte set to 0 the same data is plain CMYK.
// A cut-off file keeps its size and warns once, in the library's own words.
TEST_F(JpegFileTest, PicturesMatchDjpegsAndACutOffFileWarnsOnce) {
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
    std::ofstream(m_dir / "cmyk.jpg", std::ios::binary).write(reinterpret_cast<const char*>(cmyk.data()), cmyk.size());
    for (std::string name : {"small.jpg", "rose.jpg", "progressive.jpg", "h1v1.jpg", "grey.jpg", "ycck.jpg",
                             "cmyk.jpg", "cut-rose.jpg", "cut-progressive.jpg"}) {
        EXPECT_TRUE(Load(Read(name)) == Djpeg(name)) << name << " differs from djpeg's picture";
        const CodecMessages warned{{"Premature end of JPEG file", MessageStyle::LibraryWarning}};
        EXPECT_EQ(m_messages, name.starts_with("cut-") ? warned : CodecMessages{}) << name;
    }
}

// A fatal error after the image was allocated must release it (the sanitizer build sees the leak).
TEST_F(JpegFileTest, EachFailureBringsItsOneMessageAndNoPicture) {
    ASSERT_EQ(Shell("convert rose: rose.ppm && cjpeg -outfile rose.jpg rose.ppm"
                    " && cjpeg -progressive -sample 1x1 -outfile progressive.jpg rose.ppm"), 0);
    Bytes twoFrames = Read("rose.jpg");  // a second frame header before the end-of-image marker
    twoFrames.insert(twoFrames.end() - 2, {0xFF, 0xC0, 0x00, 0x0B, 8, 0x00, 0x08, 0x00, 0x08, 1, 1, 0x11, 0});
    // The file with its frame header made to declare a square of the given side.
    const auto square = [](Bytes file, unsigned char frameMarker, unsigned side) {
        const auto frame = std::ranges::search(file, Bytes{0xFF, frameMarker}).begin() - file.begin();
        file.at(frame + 5) = file.at(frame + 7) = static_cast<unsigned char>(side >> 8);
        file.at(frame + 6) = file.at(frame + 8) = static_cast<unsigned char>(side);
        return file;
    };
    const std::pair<Bytes, CodecMessage> cases[] = {
        {{'B', 'M', 0x36, 0x00, 0x00, 0x00}, {"Not a JPEG file: starts with 0x42 0x4d", MessageStyle::LibraryFatal}},
        {{}, {"Empty input file", MessageStyle::LibraryFatal}},
        {twoFrames, {"Invalid JPEG file structure: two SOF markers", MessageStyle::LibraryFatal}},
        // 1.2 GB as RGB.
        {square(Read("rose.jpg"), 0xC0, 20000), {"JpegFile :\nOut of memory", MessageStyle::Stop}},
        // 768 MB as RGB, but every coefficient held at once first: 1.5 GB.
        {square(Read("progressive.jpg"), 0xC2, 16000), {"JpegFile :\nOut of memory", MessageStyle::Stop}},
    };
    for (const auto& [bytes, message] : cases) {
        EXPECT_TRUE(std::get<Bytes>(Load(bytes)).empty()) << message.text;
        EXPECT_EQ(m_messages, CodecMessages{message});
    }
}

}  // namespace
