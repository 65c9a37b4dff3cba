#include "codecs/FileBytes.h"

#include "codecs/ImageBuffer.h"
#include "files/RegularFile.h"

#include <new>

namespace {

constexpr std::size_t BLOCK_BYTES = 1 << 20;

// The size the file reports, as a first guess at how much there is to read; 0 when it
// can't tell.
std::size_t ReportedSize(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) {
        return 0;
    }
    const long size = std::ftell(file);
    std::rewind(file);
    return size > 0 ? static_cast<std::size_t>(size) : 0;
}

}  // namespace

std::optional<std::vector<unsigned char>> ReadFileBytes(const std::string& path) {
    const files::FilePtr file = files::OpenRegular(path, files::Access::Read);
    if (file == nullptr) {
        return std::nullopt;
    }
    std::vector<unsigned char> bytes;
    try {
        // Read in one go at the size the system reports, and one byte more to see the end;
        // a file that turns out longer is read on block by block.
        std::size_t got = 0;
        std::size_t wanted = ReportedSize(file.get()) + 1;
        bytes.reserve(wanted);
        PreferHugePages(bytes.data(), bytes.capacity());
        do {
            bytes.resize(got + wanted);
            got += std::fread(bytes.data() + got, 1, wanted, file.get());
            wanted = BLOCK_BYTES;
        } while (got == bytes.size());
        bytes.resize(got);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    return bytes;
}
