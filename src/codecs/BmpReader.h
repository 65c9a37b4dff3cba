// One pass of BmpFile::Load over a file's bytes: header, colour table, the skip to the pixel
// data and the rows, with the position the reader has accounted for at every step.
#pragma once

#include "codecs/ByteReader.h"
#include "codecs/ImageBuffer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class BmpReader {
public:
    // Where the rows go, in the order the file holds them: bottom row first unless the
    // file runs top-down.
    class RowTarget {
    public:
        // Room for the file's next row, width x 3 bytes.
        virtual unsigned char* Row(std::uint32_t fileRow) = 0;
        // That row is complete.
        virtual void Filled(std::uint32_t fileRow) = 0;
        // The file's rows from first on, count of them, are black.
        virtual void Black(std::uint32_t first, std::uint32_t count) = 0;

    protected:
        ~RowTarget() = default;
    };

    explicit BmpReader(ByteReader& file) : m_file(file) {}

    // The image, or an empty one with Error() set.
    ImageBuffer Read();

    // The parts before the pixels; false with Error() set. The image's size and row order
    // are known after it.
    bool ReadToPixels();
    std::uint32_t Width() const { return m_width; }
    std::uint32_t Height() const { return m_height; }
    bool TopDown() const { return m_topDown; }
    // The rows after ReadToPixels, into an image or a target; a failure as Read's.
    ImageBuffer ReadImage();
    bool ReadRows(RowTarget& target);

    const std::string& Error() const { return m_error; }
    // Every read attempt counts its full size, whether or not the bytes arrived.
    std::int64_t BytesRead() const { return m_position; }

private:
    struct Rgb {
        unsigned char red, green, blue;
    };

    bool ReadHeader();
    bool CheckFormat();
    bool ReadColourTable();
    void SkipLongerInfoHeader();
    bool SkipToPixels();
    bool ReadPixelRow(unsigned char* row);
    // The rest of a row the file ends inside: black for 24 bits, an error otherwise.
    bool EndRowEarly(unsigned char* row, std::size_t arrived);
    void DecodeIndices(const unsigned char* bytes, std::size_t count, unsigned char* row) const;
    bool ReadPadding();
    bool Fail(std::string message);

    ByteReader& m_file;
    std::int64_t m_position = 0;
    std::string m_error;

    std::uint32_t m_infoHeaderSize = 0;
    std::uint32_t m_pixelOffset = 0;
    std::int32_t m_fileWidth = 0;
    std::int32_t m_fileHeight = 0;
    std::uint16_t m_bitsPerPixel = 0;
    std::uint32_t m_compression = 0;
    std::uint32_t m_coloursUsed = 0;

    std::uint32_t m_width = 0;
    std::uint32_t m_height = 0;
    bool m_topDown = false;
    std::size_t m_packedRowBytes = 0;
    std::size_t m_paddingBytes = 0;
    std::unique_ptr<Rgb[]> m_table;
};
