// kaleidra-convert INPUT [OUTPUT]: opens an image as Kaleidra does and writes it as a
// 24-bit BMP file, by default beside a GIF or JPEG source with ".bmp" appended.
// Messages go to standard error; a failure exits non-zero.
#include "framework/SystemServices.h"
#include "image/BmpFile.h"
#include "image/GifFile.h"
#include "image/ImageBuffer.h"
#include "image/ImageFileType.h"
#include "image/JpegFile.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr int EXIT_FAILED = 1;
constexpr int EXIT_USAGE = 2;

struct Image {
    std::unique_ptr<unsigned char[]> bits;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

void Report(const std::string& text) {
    fw::AfxMessageBox(text.c_str(), MB_OK);
}

// Decodes the file in reader order; null bits when it can't, with the reason reported.
Image Decode(ImageFileType type, const std::string& path) {
    Image image;
    if (type == ImageFileType::Jpeg) {
        image.bits.reset(JpegFile::Load(path, image.width, image.height));  // reports itself
    } else if (type == ImageFileType::Gif) {
        GifFile gif;
        image.bits.reset(gif.GIFRead(path, image.width, image.height));
        if (!image.bits || gif.m_strError != "No Error") {
            Report(gif.m_strError);  // a failure, or the note on non-square pixels
        }
    } else {
        BmpFile bmp;
        image.bits.reset(bmp.Load(path, image.width, image.height));
        if (!image.bits || bmp.m_strError != "OK") {
            Report(bmp.m_strError);
            image.bits.reset();
        }
    }
    return image;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: kaleidra-convert INPUT [OUTPUT]\n"
                 "INPUT ends in .jpg, .gif or .bmp (any case); OUTPUT defaults to INPUT.bmp for\n"
                 "GIF and JPEG sources and must be given for a BMP source.\n");
    return EXIT_USAGE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        return Usage();
    }
    const std::string input = argv[1];
    const ImageFileType type = ImageFileTypeOf(input);
    if (type == ImageFileType::None || (type == ImageFileType::Bmp && argc < 3)) {
        return Usage();
    }
    const std::string output = argc == 3 ? argv[2] : input + ".bmp";

    Image image = Decode(type, input);
    if (!image.bits) {
        return EXIT_FAILED;
    }
    SwapRedBlue(image.bits.get(), image.width, image.height);
    FlipRowsVertically(image.bits.get(), std::size_t{image.width} * 3, image.height);
    BmpFile bmp;
    bmp.Save(output, image.bits.get(), image.width, image.height);
    if (bmp.m_strError != "OK") {
        Report(bmp.m_strError);
        return EXIT_FAILED;
    }
    return 0;
}
