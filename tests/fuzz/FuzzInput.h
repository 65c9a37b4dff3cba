// What the fuzz targets share.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>

#include <unistd.h>

// A broken promise of a reader is a crash to the fuzzer.
inline void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

inline std::span<const unsigned char> Bytes(const std::uint8_t* data, std::size_t size) {
    return {data, size};
}

// A file of this fuzzing process (fuzzing jobs may run side by side), removed when it ends.
struct FuzzFile {
    explicit FuzzFile(const std::string& name)
        : path((std::filesystem::temp_directory_path() / ("kaleidra-fuzz-" + std::to_string(::getpid()) + name))
                   .string()) {}
    ~FuzzFile() { std::remove(path.c_str()); }

    // Each run makes the file anew: ext4 flushes a file rewritten in place when it is closed,
    // which would slow every run down to the disk's pace.
    const std::string& Fresh() const {
        std::remove(path.c_str());
        return path;
    }

    const std::string path;
};
