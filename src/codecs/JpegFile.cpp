#include "codecs/JpegFile.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// Rows asked of the library per call: a whole iMCU row at the usual sampling factors, so the
// decoder is entered once per iMCU row rather than once per scanline.
constexpr JDIMENSION ROWS_PER_READ = 16;

// The library knows only pub; the hooks find the rest behind it.
struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jumpBuffer;
    CodecMessages* messages;
};

void KeepLibraryMessage(j_common_ptr cinfo, MessageStyle style) {
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
    reinterpret_cast<JpegErrorManager*>(cinfo->err)->messages->push_back({text, style});
}

constexpr const char* OUT_OF_MEMORY = "JpegFile :\nOut of memory";

// The long jump skips this frame and the library's: nothing in them may own anything. A
// file that needs more of the library's memory than its bound is refused as an image too
// large to hold is.
[[noreturn]] void JpegErrorExit(j_common_ptr cinfo) {
    if (cinfo->err->msg_code == JERR_NO_BACKING_STORE) {
        reinterpret_cast<JpegErrorManager*>(cinfo->err)->messages->push_back({OUT_OF_MEMORY, MessageStyle::Stop});
    } else {
        KeepLibraryMessage(cinfo, MessageStyle::LibraryFatal);
    }
    std::longjmp(reinterpret_cast<JpegErrorManager*>(cinfo->err)->jumpBuffer, 1);
}

void JpegOutputMessage(j_common_ptr cinfo) {
    KeepLibraryMessage(cinfo, MessageStyle::LibraryWarning);
}

// The library takes the file's bytes from a ByteReader as they come ready. It knows only
// pub; the hooks find the reader behind it.
struct ByteSource {
    jpeg_source_mgr pub;
    ByteReader* bytes;
};

void InitSource(j_decompress_ptr) {}

void TermSource(j_decompress_ptr) {}

// Past the end the library is given an end-of-image marker and warned, as its own sources
// do; a file with no bytes at all is refused as they refuse it.
boolean FillInputBuffer(j_decompress_ptr cinfo) {
    static constexpr JOCTET END_OF_IMAGE[] = {0xFF, JPEG_EOI};
    auto* source = reinterpret_cast<ByteSource*>(cinfo->src);
    const std::span<const unsigned char> taken = source->bytes->TakeReady();
    if (taken.empty()) {
        // Nothing handed over yet: the file is empty.
        if (source->pub.next_input_byte == nullptr) {
            ERREXIT(cinfo, JERR_INPUT_EMPTY);
        }
        WARNMS(cinfo, JWRN_JPEG_EOF);
        source->pub.next_input_byte = END_OF_IMAGE;
        source->pub.bytes_in_buffer = sizeof END_OF_IMAGE;
    } else {
        source->pub.next_input_byte = taken.data();
        source->pub.bytes_in_buffer = taken.size();
    }
    return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count) {
    jpeg_source_mgr* source = cinfo->src;
    while (count > static_cast<long>(source->bytes_in_buffer)) {
        count -= static_cast<long>(source->bytes_in_buffer);
        FillInputBuffer(cinfo);
    }
    if (count > 0) {
        source->next_input_byte += count;
        source->bytes_in_buffer -= static_cast<std::size_t>(count);
    }
}

ByteSource SourceOf(ByteReader& bytes) {
    return {{nullptr, 0, InitSource, FillInputBuffer, SkipInputData, jpeg_resync_to_restart, TermSource}, &bytes};
}

using PutScanline = void (*)(const JSAMPLE* scanline, JDIMENSION width, unsigned char* out);

void PutGrayScanline(const JSAMPLE* scanline, JDIMENSION width, unsigned char* out) {
    for (JDIMENSION x = 0; x < width; ++x, out += 3) {
        out[0] = out[1] = out[2] = scanline[x];
    }
}

// CMYK files hold Adobe's inverted inks (255 - ink), as Photoshop writes them, so a colour is
// the product of its stored ink and the stored black; rounded as libjpeg's own tools round it.
void PutCmykScanline(const JSAMPLE* scanline, JDIMENSION width, unsigned char* out) {
    for (JDIMENSION x = 0; x < width; ++x, scanline += 4, out += 3) {
        const unsigned black = scanline[3];
        for (int channel = 0; channel < 3; ++channel) {
            out[2 - channel] = static_cast<unsigned char>((scanline[channel] * black + 127) / 255);
        }
    }
}

// Component counts that hold no picture we know how to show are decoded and left black.
void PutBlankScanline(const JSAMPLE*, JDIMENSION width, unsigned char* out) {
    std::memset(out, 0, std::size_t{width} * 3);
}

// How a row of the given component count reaches the buffer; null for three components,
// which the library decodes in place, blue first.
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
void ReadScanlines(jpeg_decompress_struct& cinfo, ImageBuffer& image) {
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
            bufferRows[i] = image.RowFromTop(first + i);
        }
        const JDIMENSION read = jpeg_read_scanlines(&cinfo, rows, wanted);
        for (JDIMENSION i = 0; put != nullptr && i < read; ++i) {
            put(rows[i], width, image.RowFromTop(first + i));
        }
    }
}

// Between setjmp and a long jump back to it only plain data lives, so no destructor is
// skipped; what this frame changes after setjmp (the image, the messages) is the caller's,
// so it survives the jump.
bool Decode(ByteSource& source, JpegErrorManager& errors, ImageBuffer& image) {
    jpeg_decompress_struct cinfo;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = JpegErrorExit;
    errors.pub.output_message = JpegOutputMessage;
    if (setjmp(errors.jumpBuffer) != 0) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    // Beyond the bound the library would need a backing store, which it hasn't: a file whose
    // scans must all be gathered first (a progressive one) fails before any is decoded.
    cinfo.mem->max_memory_to_use = static_cast<long>(MAX_IMAGE_BYTES);
    cinfo.src = &source.pub;
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.out_color_space == JCS_RGB) {
        cinfo.out_color_space = JCS_EXT_BGR;
    }
    // An image too large to hold is refused before the library decodes anything of it.
    jpeg_calc_output_dimensions(&cinfo);
    if (ImageBytes(cinfo.output_width, cinfo.output_height) != 0) {
        jpeg_start_decompress(&cinfo);
        image = ImageBuffer::Allocate(cinfo.output_width, cinfo.output_height);
    }
    if (image.Empty()) {
        errors.messages->push_back({OUT_OF_MEMORY, MessageStyle::Stop});
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    ReadScanlines(cinfo, image);
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace

DecodedImage JpegFile::Load(ByteReader& file) {
    DecodedImage decoded;
    JpegErrorManager errors;
    errors.messages = &decoded.messages;
    ByteSource source = SourceOf(file);
    if (!Decode(source, errors, decoded.image)) {
        decoded.image = ImageBuffer{};
    }
    return decoded;
}
