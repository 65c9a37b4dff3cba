// A whole file in memory, for the readers to decode.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The bytes of the file at path, or nothing when it cannot be opened, is not a regular file
// or is too large to hold. A read that fails part way ends the bytes there, as a file cut off would.
std::optional<std::vector<unsigned char>> ReadFileBytes(const std::string& path);
