// libFuzzer target for the JPEG reader: each input is written to a file of this process and
// loaded as the program loads an opened file. Message boxes go to standard error.
#include "image/JpegFile.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include <jpeglib.h>
#include <unistd.h>

namespace {

// libjpeg allocates and walks every block of the picture its header promises, however little
// data follows; beyond this size an input costs seconds and gigabytes inside the library
// and finds nothing more in the reader.
constexpr std::uint64_t MAX_PIXELS = 4'000'000;

struct QuietErrors {
    jpeg_error_mgr pub;
    std::jmp_buf jumpBuffer;
};

[[noreturn]] void JumpBack(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<QuietErrors*>(cinfo->err)->jumpBuffer, 1);
}

void Silence(j_common_ptr) {}

// The size the header promises, read by libjpeg itself; 0 when there is no header to read.
std::uint64_t PromisedPixels(const std::uint8_t* data, std::size_t size) {
    jpeg_decompress_struct cinfo;
    QuietErrors errors;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = JumpBack;
    errors.pub.output_message = Silence;
    if (setjmp(errors.jumpBuffer) != 0) {
        jpeg_destroy_decompress(&cinfo);
        return 0;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    const std::uint64_t pixels = std::uint64_t{cinfo.image_width} * cinfo.image_height;
    jpeg_destroy_decompress(&cinfo);
    return pixels;
}

// One file per fuzzing process, removed when it exits.
struct InputFile {
    std::string path =
        (std::filesystem::temp_directory_path() / ("fuzz-jpeg-" + std::to_string(::getpid()) + ".jpg")).string();
    ~InputFile() { std::remove(path.c_str()); }
};

const std::string& InputPath() {
    static const InputFile file;
    return file.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (PromisedPixels(data, size) > MAX_PIXELS) {
        return -1;  // not worth keeping in the corpus
    }
    std::FILE* file = std::fopen(InputPath().c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    delete[] JpegFile::Load(InputPath(), width, height);
    return 0;
}
