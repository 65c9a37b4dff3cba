// What the fuzz targets share.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <span>

// A broken promise of a reader is a crash to the fuzzer.
inline void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

inline std::span<const unsigned char> Bytes(const std::uint8_t* data, std::size_t size) {
    return {data, size};
}
