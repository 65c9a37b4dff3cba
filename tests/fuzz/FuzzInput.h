// What the fuzz targets share: the readers take a path, so each input becomes a file of this
// fuzzing process (fuzzing jobs may run side by side), removed when the process ends.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

// A broken promise of a reader is a crash to the fuzzer.
inline void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

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

    // A fuzzer that cannot write its input would test nothing.
    const std::string& Write(const std::uint8_t* data, std::size_t size) const {
        std::FILE* file = std::fopen(Fresh().c_str(), "wb");
        Require(file != nullptr && std::fwrite(data, 1, size, file) == size && std::fclose(file) == 0);
        return path;
    }

    const std::string path;
};
