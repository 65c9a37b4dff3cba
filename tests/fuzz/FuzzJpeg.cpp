// Decodes each input as a JPEG file, as the program loads an opened file.
#include "FuzzInput.h"
#include "codecs/JpegFile.h"

#include <csetjmp>

#include <jpeglib.h>

namespace {

// libjpeg allocates and walks every block of the picture its header promises, however little
// data follows; beyond this size an input costs seconds and gigabytes inside the library
// and finds nothing more in the reader.
constexpr std::uint64_t MAX_PIXELS = 4'000'000;

std::jmp_buf headerError;

// The size the header promises, read by libjpeg itself; 0 when there is no header to read.
std::uint64_t PromisedPixels(const std::uint8_t* data, std::size_t size) {
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    errors.error_exit = [](j_common_ptr) { std::longjmp(headerError, 1); };
    errors.output_message = [](j_common_ptr) {};
    if (setjmp(headerError) != 0) {
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (PromisedPixels(data, size) > MAX_PIXELS) {
        return -1;  // not worth keeping in the corpus
    }
    ByteReader bytes({data, size});
    const DecodedImage decoded = JpegFile::Load(bytes);
    Require(!decoded.image.Empty() || !decoded.messages.empty());
    return 0;
}
