// Building file contents byte by byte in tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

using Bytes = std::vector<unsigned char>;

template <class T>
std::vector<T> Cat(std::initializer_list<std::vector<T>> parts) {
    std::vector<T> all;
    for (const std::vector<T>& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// A little-endian field of size bytes.
inline Bytes Le(std::uint64_t value, int size) {
    Bytes field;
    for (int i = 0; i < size; ++i) {
        field.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
    return field;
}
