// kaleidra-convert INPUT [OUTPUT]: opens an image with Kaleidra's own loaders and writes it
// as a 24-bit BMP file, by default beside a GIF or JPEG source with ".bmp" appended.
// Messages go to standard error; a failure exits non-zero.
#include "framework/SystemServices.h"
#include "image/BmpFile.h"
#include "image/ImageHolder.h"

#include <cstdio>
#include <string>

namespace {

constexpr int EXIT_FAILED = 1;
constexpr int EXIT_USAGE = 2;

// The program's loaders, with their remarks reported as well.
class ConvertedImage : public ImageHolder {
protected:
    void OnReaderNote(const std::string& note) override { fw::AfxMessageBox(note.c_str(), MB_OK); }
};

void Load(ConvertedImage& image, ImageFileType type, const std::string& path) {
    if (type == ImageFileType::Jpeg) {
        image.LoadJpegImage(path);
    } else if (type == ImageFileType::Gif) {
        image.LoadGifImage(path);
    } else {
        image.LoadBmpImage(path);
    }
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

    ConvertedImage image;
    Load(image, type, input);
    if (image.m_pImageBits == nullptr) {
        return EXIT_FAILED;
    }
    BmpFile bmp;
    bmp.Save(output, image.m_pImageBits, image.m_nImageWidth, image.m_nImageHeight);
    if (bmp.m_strError != "OK") {
        fw::AfxMessageBox(bmp.m_strError.c_str(), MB_OK | MB_ICONSTOP);
        return EXIT_FAILED;
    }
    return 0;
}
