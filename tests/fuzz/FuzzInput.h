// What the fuzz targets share.
#pragma once

#include <cstdint>
#include <cstdlib>

// A broken promise of a reader is a crash to the fuzzer.
inline void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}
