#include "files/RegularFile.h"

#include <utility>

namespace files {

std::optional<std::string> ReadRegular(const std::string& path) {
    FilePtr file = OpenRegular(path, Access::Read);
    if (file == nullptr) {
        return std::nullopt;
    }
    std::string contents;
    char block[4096];
    for (std::size_t got; (got = std::fread(block, 1, sizeof block, file.get())) > 0;) {
        contents.append(block, got);
    }
    return std::ferror(file.get()) ? std::nullopt : std::optional(std::move(contents));
}

}  // namespace files
