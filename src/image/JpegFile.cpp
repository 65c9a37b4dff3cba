#include "image/JpegFile.h"

#include "framework/SystemServices.h"
#include "image/ImageBuffer.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

// After the framework's headers: libjpeg makes TRUE and FALSE macros.
#include <jpeglib.h>

namespace {

// Rows asked of the library per call: a whole iMCU row at the usual sampling factors, so the
// decoder is entered once per iMCU row rather than once per scanline.
constexpr JDIMENSION ROWS_PER_READ = 16;

// The library knows only pub; JpegErrorExit finds the jump buffer behind it.
struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jumpBuffer;
};

void ShowLibraryMessage(j_common_ptr cinfo, HWND owner, const char* caption, UINT type) {
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
    fw::MessageBoxA(owner, text, caption, type);
}

// The long jump skips this frame and the library's: nothing in them may own anything.
[[noreturn]] void JpegErrorExit(j_common_ptr cinfo) {
    ShowLibraryMessage(cinfo, nullptr, "JPEG Fatal Error", MB_OK | MB_ICONSTOP);
    std::longjmp(reinterpret_cast<JpegErrorManager*>(cinfo->err)->jumpBuffer, 1);
}

void JpegOutputMessage(j_common_ptr cinfo) {
    ShowLibraryMessage(cinfo, fw::GetActiveWindow(), "JPEG Error", MB_OK);
}

unsigned char* RowStart(unsigned char* bits, JDIMENSION width, JDIMENSION row) {
    return bits + std::size_t{row} * width * 3;
}

using PutScanline = void (*)(const JSAMPLE* scanline, JDIMENSION width, unsigned char* bits, JDIMENSION row);

void PutGrayScanline(const JSAMPLE* scanline, JDIMENSION width, unsigned char* bits, JDIMENSION row) {
    unsigned char* out = RowStart(bits, width, row);
    for (JDIMENSION x = 0; x < width; ++x, out += 3) {
        out[0] = out[1] = out[2] = scanline[x];
    }
}

// CMYK files hold Adobe's inverted inks (255 - ink), as Photoshop writes them, so a colour is
// the product of its stored ink and the stored black; rounded as libjpeg's own tools round it.
void PutCmykScanline(const JSAMPLE* scanline, JDIMENSION width, unsigned char* bits, JDIMENSION row) {
    unsigned char* out = RowStart(bits, width, row);
    for (JDIMENSION x = 0; x < width; ++x, scanline += 4, out += 3) {
        const unsigned black = scanline[3];
        for (int channel = 0; channel < 3; ++channel) {
            out[channel] = static_cast<unsigned char>((scanline[channel] * black + 127) / 255);
        }
    }
}

// Component counts that hold no picture we know how to show are decoded and left black.
void PutBlankScanline(const JSAMPLE*, JDIMENSION width, unsigned char* bits, JDIMENSION row) {
    std::memset(RowStart(bits, width, row), 0, std::size_t{width} * 3);
}

// How a row of the given component count reaches the buffer; null for three components,
// which are decoded in place.
PutScanline ScanlineWriter(int components) {
    switch (components) {
    case 1:
        return PutGrayScanline;
    case 3:
        return nullptr;
    case 4:
        return PutCmykScanline;
    default:
        return PutBlankScanline;
    }
}

// The sample array lives in the library's image pool, so destroying the decompression object
// frees it on every path.
void ReadScanlines(jpeg_decompress_struct& cinfo, unsigned char* bits) {
    const JDIMENSION width = cinfo.output_width;
    const bool inPlace = cinfo.output_components == 3;
    JSAMPROW bufferRows[ROWS_PER_READ];
    JSAMPARRAY rows = inPlace ? bufferRows
                              : (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                           width * cinfo.output_components, ROWS_PER_READ);
    const PutScanline put = ScanlineWriter(cinfo.output_components);
    while (cinfo.output_scanline < cinfo.output_height) {
        const JDIMENSION first = cinfo.output_scanline;
        const JDIMENSION wanted = std::min(ROWS_PER_READ, cinfo.output_height - first);
        for (JDIMENSION i = 0; inPlace && i < wanted; ++i) {
            bufferRows[i] = RowStart(bits, width, first + i);
        }
        const JDIMENSION read = jpeg_read_scanlines(&cinfo, rows, wanted);
        for (JDIMENSION i = 0; put != nullptr && i < read; ++i) {
            put(rows[i], width, bits, first + i);
        }
    }
}

// Between setjmp and a long jump back to it only plain data lives, so no destructor is
// skipped; the one local this frame assigns after setjmp is volatile so it survives the jump.
unsigned char* Decode(std::FILE* file, std::uint32_t& width, std::uint32_t& height) {
    jpeg_decompress_struct cinfo;
    JpegErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = JpegErrorExit;
    errors.pub.output_message = JpegOutputMessage;
    unsigned char* volatile bits = nullptr;
    if (setjmp(errors.jumpBuffer) != 0) {
        jpeg_destroy_decompress(&cinfo);
        delete[] bits;
        return nullptr;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    jpeg_start_decompress(&cinfo);
    bits = AllocateImage(cinfo.output_width, cinfo.output_height);
    if (bits == nullptr) {
        fw::AfxMessageBox("JpegFile :\nOut of memory", MB_OK | MB_ICONSTOP);
        jpeg_destroy_decompress(&cinfo);
        return nullptr;
    }
    width = cinfo.output_width;
    height = cinfo.output_height;
    ReadScanlines(cinfo, bits);
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return bits;
}

}  // namespace

unsigned char* JpegFile::Load(std::string path, std::uint32_t& width, std::uint32_t& height) {
    width = 0;
    height = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        fw::AfxMessageBox(("JPEG :\nCan't open " + path + "\n").c_str(), MB_OK);
        return nullptr;
    }
    unsigned char* bits = Decode(file, width, height);
    std::fclose(file);
    return bits;
}
