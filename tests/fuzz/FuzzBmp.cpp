// Loads each input as a BMP file; an image that loads is saved and must load back the same.
#include "FuzzInput.h"
#include "codecs/BmpFile.h"
#include "codecs/FileBytes.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

// Saving and reloading huge images would only slow the search down.
constexpr std::size_t ROUND_TRIP_LIMIT = std::size_t{16} << 20;

// Where an image is saved: a file of this fuzzing process, as jobs may run side by side.
const std::string SAVED =
    (std::filesystem::temp_directory_path() / ("kaleidra-fuzz-" + std::to_string(::getpid()) + "-saved.bmp")).string();

const struct RemoveAtExit {
    ~RemoveAtExit() { std::remove(SAVED.c_str()); }
} removeAtExit;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DecodedImage decoded = BmpFile().Load({data, size});
    Require(decoded.image.Empty() != decoded.messages.empty());
    if (decoded.image.Empty() || decoded.image.Size() > ROUND_TRIP_LIMIT) {
        return 0;
    }
    const std::vector<unsigned char> read(decoded.image.Bits(), decoded.image.Bits() + decoded.image.Size());
    // Made anew each time: ext4 flushes a file rewritten in place when it is closed, which
    // would slow every run down to the disk's pace.
    std::remove(SAVED.c_str());
    Require(!BmpFile::Save(SAVED, decoded.image));
    const auto file = ReadFileBytes(SAVED);
    Require(file.has_value());
    const DecodedImage loaded = BmpFile().Load(*file);
    Require(loaded.image.Width() == decoded.image.Width() && loaded.image.Height() == decoded.image.Height());
    Require(std::equal(read.begin(), read.end(), loaded.image.Bits()));
    return 0;
}
