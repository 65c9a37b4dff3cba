# Writes a file's bytes as C++ source: a byte array and the span SYMBOL over it.
#   cmake -DINPUT=<file> -DOUTPUT=<source> -DSYMBOL=<name> -P EmbedFile.cmake
file(READ "${INPUT}" hex HEX)
if(hex STREQUAL "")
  # C++ has no empty arrays, and an empty icon or bitmap is a mistake anyway.
  message(FATAL_ERROR "Resource file ${INPUT} is empty")
endif()
string(REPEAT "[0-9a-f][0-9a-f]" 16 line_of_bytes)
string(REGEX REPLACE "(${line_of_bytes})" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT} by cmake/EmbedFile.cmake.
#include <span>

namespace {

const unsigned char BYTES[] = {
${bytes}
};

}  // namespace

extern const std::span<const unsigned char> ${SYMBOL};
const std::span<const unsigned char> ${SYMBOL}{BYTES};
")
