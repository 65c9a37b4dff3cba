// Loads each input as a BMP file; an image that loads is saved and must load back the same.
#include "FuzzInput.h"
#include "codecs/BmpFile.h"
#include "codecs/FileBytes.h"

#include <algorithm>
#include <vector>

// Saving and reloading huge images would only slow the search down.
constexpr std::size_t ROUND_TRIP_LIMIT = std::size_t{16} << 20;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFile saved("-saved.bmp");
    DecodedImage decoded = BmpFile().Load(Bytes(data, size));
    Require(decoded.image.Empty() != decoded.messages.empty());
    if (decoded.image.Empty() || decoded.image.Size() > ROUND_TRIP_LIMIT) {
        return 0;
    }
    const std::vector<unsigned char> read(decoded.image.Bits(), decoded.image.Bits() + decoded.image.Size());
    ToDisplayOrder(decoded.image);  // as the program saves it
    Require(!BmpFile::Save(saved.Fresh(), decoded.image));
    const auto file = ReadFileBytes(saved.path);
    Require(file.has_value());
    const DecodedImage loaded = BmpFile().Load(*file);
    Require(loaded.image.Width() == decoded.image.Width() && loaded.image.Height() == decoded.image.Height());
    Require(std::equal(read.begin(), read.end(), loaded.image.Bits()));
    return 0;
}
