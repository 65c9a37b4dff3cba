#include "codecs/FileBytes.h"

#include <cstdio>
#include <memory>
#include <new>

namespace {

constexpr std::size_t BLOCK_BYTES = 1 << 20;

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::optional<std::vector<unsigned char>> ReadFileBytes(const std::string& path) {
    const std::unique_ptr<std::FILE, CloseFile> file(std::fopen(path.c_str(), "rb"));
    if (file == nullptr) {
        return std::nullopt;
    }
    std::vector<unsigned char> bytes;
    try {
        // Grown block by block: the size the system reports may change while the file is read.
        std::size_t got = 0;
        do {
            bytes.resize(got + BLOCK_BYTES);
            got += std::fread(bytes.data() + got, 1, BLOCK_BYTES, file.get());
        } while (got == bytes.size());
        bytes.resize(got);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    return bytes;
}
