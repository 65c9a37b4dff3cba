// kaleidra-convert INPUT [OUTPUT]: opens an image with Kaleidra's own readers and writes it
// as a 24-bit BMP file, by default beside a GIF or JPEG source with ".bmp" appended.
// Messages go to standard error, each after its box's caption; a failure exits non-zero.
#include "codecs/BmpConversion.h"
#include "codecs/BmpFile.h"
#include "codecs/ImageFileReader.h"

#include <cstdio>
#include <string>

namespace {

constexpr int EXIT_FAILED = 1;
constexpr int EXIT_USAGE = 2;

// The program's own boxes carry its name; remarks are reported too.
void Report(const CodecMessage& message) {
    const char* caption = LibraryCaption(message.style);
    std::fprintf(stderr, "%s: %s\n", caption != nullptr ? caption : "kaleidra", message.text.c_str());
}

int Usage() {
    std::fprintf(stderr,
                 "usage: kaleidra-convert INPUT [OUTPUT]\n"
                 "INPUT ends in .jpg, .gif or .bmp (any case); OUTPUT defaults to INPUT.bmp for\n"
                 "GIF and JPEG sources and must be given for a BMP source.\n");
    return EXIT_USAGE;
}

int Outcome(const std::optional<CodecMessage>& failure) {
    if (failure) {
        Report(*failure);
        return EXIT_FAILED;
    }
    return 0;
}

// The image read whole, then written.
int Convert(const std::string& input, ImageFileType type, const std::string& output) {
    ImageFileReader reader;
    DecodedImage decoded = reader.Read(input, type);
    for (const CodecMessage& message : decoded.messages) {
        Report(message);
    }
    if (decoded.image.Empty()) {
        return EXIT_FAILED;
    }
    return Outcome(BmpFile::Save(output, decoded.image));
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
    return type == ImageFileType::Bmp ? Outcome(ConvertBmpFile(input, output)) : Convert(input, type, output);
}
