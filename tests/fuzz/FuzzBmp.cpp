// Loads each input as a BMP file; an image that loads is saved and must load back the same.
// Converted from a file a few bytes at a time, the input must give what loading and saving
// give: the same file, or the same message.
#include "FuzzInput.h"
#include "codecs/BmpConversion.h"
#include "codecs/BmpFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// Saving and reloading huge images would only slow the search down.
constexpr std::size_t ROUND_TRIP_LIMIT = std::size_t{16} << 20;

// This fuzzing process's own files, as jobs may run side by side.
std::string OwnFile(const char* name) {
    return (std::filesystem::temp_directory_path() / ("kaleidra-fuzz-" + std::to_string(::getpid()) + name)).string();
}
const std::string INPUT = OwnFile("-input.bmp");
const std::string SAVED = OwnFile("-saved.bmp");
const std::string CONVERTED = OwnFile("-converted.bmp");

const struct RemoveAtExit {
    ~RemoveAtExit() {
        for (const std::string* file : {&INPUT, &SAVED, &CONVERTED}) {
            std::remove(file->c_str());
        }
    }
} removeAtExit;

// Made anew each time: ext4 flushes a file rewritten in place when it is closed, which
// would slow every run down to the disk's pace.
void WriteAnew(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::remove(path.c_str());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    Require(file != nullptr && std::fwrite(data, 1, size, file) == size && std::fclose(file) == 0);
}

// Read in one go: byte by byte, the instrumented stream took most of the fuzzer's time.
std::vector<unsigned char> Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    std::vector<unsigned char> bytes(file ? static_cast<std::size_t>(file.tellg()) : 0);
    file.seekg(0);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void RequireConvertedAlike(const std::uint8_t* data, std::size_t size, const DecodedImage& decoded) {
    WriteAnew(INPUT, data, size);
    std::remove(CONVERTED.c_str());
    const auto failure = ConvertBmpFile(INPUT, CONVERTED, 1 + size % 61);
    if (decoded.image.Empty()) {
        Require(failure.has_value() && failure->text == decoded.messages.at(0).text);
    } else {
        Require(!failure && Contents(CONVERTED) == Contents(SAVED));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader input({data, size});
    DecodedImage decoded = BmpFile().Load(input);
    Require(decoded.image.Empty() != decoded.messages.empty());
    if (decoded.image.Size() > ROUND_TRIP_LIMIT) {
        return 0;
    }
    if (!decoded.image.Empty()) {
        const std::vector<unsigned char> read(decoded.image.Bits(), decoded.image.Bits() + decoded.image.Size());
        std::remove(SAVED.c_str());
        Require(!BmpFile::Save(SAVED, decoded.image));
        const std::vector<unsigned char> file = Contents(SAVED);
        ByteReader saved(file);
        const DecodedImage loaded = BmpFile().Load(saved);
        Require(loaded.image.Width() == decoded.image.Width() && loaded.image.Height() == decoded.image.Height());
        Require(std::equal(read.begin(), read.end(), loaded.image.Bits()));
    }
    RequireConvertedAlike(data, size, decoded);
    return 0;
}
