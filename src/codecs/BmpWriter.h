// A 24-bit bottom-up BMP file written a few rows at a time: it takes the path's place only
// when every row is written.
#pragma once

#include "codecs/CodecResults.h"
#include "files/FileReplacer.h"

#include <cstdint>
#include <optional>
#include <string>

class BmpWriter {
public:
    // Starts the file; a failure shows in Finish.
    BmpWriter(const std::string& path, std::uint32_t width, std::uint32_t height);

    // The next count rows, bottom row first, each width x 3 bytes packed as an image holds
    // them. False once a write has failed.
    bool Put(const unsigned char* rows, std::uint32_t count);
    // The next count rows all black.
    bool PutBlack(std::uint32_t count);
    // The file in place, or what went wrong.
    std::optional<CodecMessage> Finish();

private:
    void Write(const unsigned char* bytes, std::size_t count);

    // Made beside the image it comes from, perhaps in a folder others write to: a link
    // planted at the name is replaced, never written through.
    files::FileReplacer m_file;
    bool m_opened;
    std::size_t m_packedBytes;
    std::size_t m_rowBytes;
    bool m_failed = false;
};
