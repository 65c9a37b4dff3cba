// kaleidra-convert's BMP to BMP: the file that loading and saving would make, without
// holding the image when its rows run bottom-up, as most do: each row goes out as it comes in.
#pragma once

#include "codecs/CodecResults.h"
#include "codecs/ImageFileReader.h"

#include <cstddef>
#include <optional>
#include <string>

// Nothing when output was written; otherwise the message that loading, or else saving,
// would have given. Input is read a window of windowBytes at a time.
std::optional<CodecMessage> ConvertBmpFile(const std::string& input, const std::string& output,
                                           std::size_t windowBytes = WINDOW_BYTES);
