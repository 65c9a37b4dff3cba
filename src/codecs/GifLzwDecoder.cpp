#include "codecs/GifLzwDecoder.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

std::uint32_t CodeMask(int bits) { return (1u << bits) - 1; }

// The code under mask at a bit position of the buffer, least significant bit first.
// Codes have at most 12 bits, so the four bytes from the first hold one.
int BitsAt(const std::uint8_t* buffer, std::int64_t bit, std::uint32_t mask) {
    std::uint32_t window;
    std::memcpy(&window, buffer + (bit >> 3), sizeof window);
    if constexpr (std::endian::native == std::endian::big) {
        window = __builtin_bswap32(window);
    }
    return static_cast<int>((window >> (bit & 7)) & mask);
}

// The bytes of a piece, its lowest first.
void StorePiece(unsigned char* destination, std::uint64_t piece) {
    if constexpr (std::endian::native == std::endian::big) {
        piece = __builtin_bswap64(piece);
    }
    std::memcpy(destination, &piece, sizeof piece);
}

}  // namespace

int GifLzwDecoder::ReadSubBlock(ByteReader& source, unsigned char* destination) {
    const int count = source.Get();
    if (count < 0) {
        return -1;
    }
    m_zeroBlock = count == 0;
    if (count != 0 && source.Read(destination, static_cast<std::size_t>(count)) != static_cast<std::size_t>(count)) {
        return -1;
    }
    return count;
}

void GifLzwDecoder::Init(int minCodeSize) {
    m_s.sp = 0;
    m_corrupt = minCodeSize < 0 || minCodeSize >= MAX_CODE_BITS;
    if (m_corrupt) {
        return;
    }
    m_minCodeSize = minCodeSize;
    m_s.clearCode = 1 << minCodeSize;
    // String entries keep their last bytes here; only a clear code clears them.
    ResetTable(false);
    ResetCodeReader();
    m_fresh = true;
}

// Resets the string table, the code width and the stack.
void GifLzwDecoder::ResetTable(bool clearStrings) {
    const int clearCode = m_s.clearCode;
    for (int i = 0; i < clearCode; ++i) {
        m_prefix[i] = 0;
        m_suffix[i] = static_cast<std::uint8_t>(i);
        m_length[i] = 1;
        m_tail[i] = static_cast<std::uint8_t>(i);
    }
    std::fill(m_prefix.begin() + clearCode, m_prefix.end(), 0);
    std::fill(m_length.begin() + clearCode, m_length.end(), 0);
    if (clearStrings) {
        std::fill(m_suffix.begin() + clearCode, m_suffix.end(), 0);
    }
    m_s.codeSize = m_minCodeSize + 1;
    m_s.maxCodeSize = 2 * clearCode;
    m_s.maxCode = clearCode + 2;
    m_s.sp = 0;
}

// The code that starts a chain of strings is passed on as it stands, unchecked.
int GifLzwDecoder::FirstCode(ByteReader& source) {
    const int code = NextCode(source, m_s.codeSize);
    if (code >= 0) {
        m_s.firstCode = m_s.oldCode = code;
    }
    return code;
}

int GifLzwDecoder::SkipToEnd(ByteReader& source) {
    if (!m_zeroBlock) {
        unsigned char rest[MAX_SUB_BLOCK];
        while (ReadSubBlock(source, rest) > 0) {
        }
    }
    return END_CODE;
}

int GifLzwDecoder::NextIndex(ByteReader& source) {
    if (m_corrupt) {
        return END_OF_DATA;
    }
    if (m_fresh) {
        m_fresh = false;
        int code;
        do {
            code = FirstCode(source);
        } while (code == m_s.clearCode);
        return code;
    }
    if (m_s.sp > 0) {
        return m_stack[--m_s.sp];
    }
    const int code = NextCode(source, m_s.codeSize);
    if (code < 0) {
        return code;
    }
    if (code == m_s.clearCode) {
        ResetTable(true);
        return FirstCode(source);
    }
    if (code == m_s.clearCode + 1) {
        return SkipToEnd(source);
    }
    if (!PushString(m_s, code)) {
        return END_OF_DATA;
    }
    return m_stack[--m_s.sp];
}

// Pushes the string of code (neither the clear nor the end code) onto the empty stack
// and adds the table entry it completes. False when the table turns out corrupt.
inline bool GifLzwDecoder::PushString(State& s, int code) {
    const int inCode = code;
    if (code >= s.maxCode) {
        // Not in the table yet: the previous string followed by its own first byte.
        m_stack[s.sp++] = static_cast<std::uint8_t>(s.firstCode);
        code = s.oldCode;
    }
    while (code >= s.clearCode) {
        // A chain that loops back on itself overruns the stack.
        if (s.sp == STACK_SIZE) {
            return false;
        }
        m_stack[s.sp++] = m_suffix[code];
        if (m_prefix[code] == code) {
            return false;
        }
        code = m_prefix[code];
    }
    if (s.sp == STACK_SIZE) {
        return false;
    }
    s.firstCode = m_suffix[code];
    m_stack[s.sp++] = static_cast<std::uint8_t>(s.firstCode);
    AddEntry(s);
    s.oldCode = inCode;
    return true;
}

// Adds the entry that the current string completes: the previous string followed by the
// current string's first byte. A full table stays as it is until a clear code.
inline void GifLzwDecoder::AddEntry(State& s) {
    if (s.maxCode < TABLE_SIZE) {
        MakeEntry(s.maxCode, s.oldCode, static_cast<std::uint8_t>(s.firstCode));
        ++s.maxCode;
        if (s.maxCode >= s.maxCodeSize && s.maxCodeSize < TABLE_SIZE) {
            s.maxCodeSize *= 2;
            ++s.codeSize;
        }
    }
}

// Defines entry as the string of old followed by byte.
inline void GifLzwDecoder::MakeEntry(int entry, int old, std::uint8_t byte) {
    m_prefix[entry] = static_cast<std::uint16_t>(old);
    m_suffix[entry] = byte;
    const unsigned oldLength = m_length[old];
    m_length[entry] = oldLength == 0 ? 0 : static_cast<std::uint16_t>(oldLength + 1);
    // The byte joins the old string's last piece while that has room, else starts one;
    // an unknown length gives a piece that is never read.
    const unsigned used = oldLength % PIECE;
    const bool joins = used != 0;
    m_tail[entry] = (joins ? m_tail[old] : 0) | std::uint64_t{byte} << (8 * used);
    m_rest[entry] = joins ? m_rest[old] : static_cast<std::uint16_t>(old);
}

// Writes the string of code, more than PIECE bytes long, to destination, where PIECE - 1
// bytes behind it are free too. Returns its first byte.
inline std::uint8_t GifLzwDecoder::WriteLongString(int code, std::size_t length, unsigned char* destination) const {
    std::size_t at = (length - 1) / PIECE * PIECE;
    std::uint64_t piece = m_tail[code];
    StorePiece(destination + at, piece);
    do {
        code = m_rest[code];
        at -= PIECE;
        piece = m_tail[code];
        StorePiece(destination + at, piece);
    } while (at != 0);
    return static_cast<std::uint8_t>(piece);
}

inline std::size_t GifLzwDecoder::PopStack(State& s, unsigned char* indices, std::size_t count) {
    const std::size_t take = std::min(count, static_cast<std::size_t>(s.sp));
    const std::uint8_t* top = m_stack.data() + s.sp - 1;
    for (std::size_t i = 0; i < take; ++i) {
        indices[i] = *(top - i);
    }
    s.sp -= static_cast<int>(take);
    return take;
}

// Decodes the codes that lie whole in the code buffer, up to a clear or end code, with
// the state in registers: this loop is where the time goes.
std::size_t GifLzwDecoder::DecodeBufferedCodes(unsigned char* indices, std::size_t count, int& end) {
    State s = m_s;
    unsigned char* out = indices;
    unsigned char* const outEnd = indices + count;
    std::int64_t stop = s.lastBit - s.codeSize;  // codes starting before it lie whole in the buffer
    std::uint32_t mask = CodeMask(s.codeSize);
    while (s.curBit < stop) {
        const int code = BitsAt(m_codeBuffer.data(), s.curBit, mask);
        // A code not in the table yet stands for the previous string and its first byte.
        const bool pending = code >= s.maxCode;
        const int chain = pending ? s.oldCode : code;
        const unsigned length = m_length[chain];
        const std::uint64_t tail = m_tail[chain];
        const auto room = static_cast<std::size_t>(outEnd - out);
        std::uint8_t first = static_cast<std::uint8_t>(tail);
        if (length - 1 < PIECE && room > PIECE) {
            // Most strings: one piece is all of it, and the bytes it writes past are free.
            StorePiece(out, tail);
        } else if (length > PIECE && length + PIECE <= room) {
            first = WriteLongString(chain, length, out);
        } else {
            // Strings of unknown length (0), the clear and end codes among them, and those
            // without room behind them go through the stack.
            if (room == 0 || static_cast<unsigned>(code - s.clearCode) < 2) {
                break;
            }
            s.curBit += s.codeSize;
            if (!PushString(s, code)) {
                end = END_OF_DATA;
                break;
            }
            out += PopStack(s, out, room);
            stop = s.lastBit - s.codeSize;
            mask = CodeMask(s.codeSize);
            continue;
        }
        s.curBit += s.codeSize;
        if (pending) {
            out[length] = first;  // the previous string's first byte, as it is this one's
        }
        out += length + (pending ? 1 : 0);
        s.firstCode = first;
        // The mask of a width is also the size of the table at that width less one.
        if (static_cast<std::uint32_t>(s.maxCode) < mask) {
            MakeEntry(s.maxCode++, s.oldCode, first);
        } else {
            AddEntry(s);
            stop = s.lastBit - s.codeSize;
            mask = CodeMask(s.codeSize);
        }
        s.oldCode = code;
    }
    m_s = s;
    return static_cast<std::size_t>(out - indices);
}

// Once the data has run out every code reads as 0: a string of one byte, index 0, that
// adds an entry while the table has room. Images cut short fill quickly so.
std::size_t GifLzwDecoder::DecodeZeroCodes(unsigned char* indices, std::size_t count) {
    const std::uint8_t byte = m_suffix[0];
    std::fill_n(indices, count, byte);
    for (std::size_t i = 0; i < count && m_s.maxCode < TABLE_SIZE; ++i) {
        m_s.firstCode = byte;
        AddEntry(m_s);
        m_s.oldCode = 0;
    }
    if (count != 0) {
        m_s.firstCode = byte;
        m_s.oldCode = 0;
    }
    return count;
}

std::size_t GifLzwDecoder::ReadIndices(ByteReader& source, unsigned char* indices, std::size_t count, int& end) {
    std::size_t written = 0;
    while (written < count) {
        written += PopStack(m_s, indices + written, count - written);
        if (HasRunOut()) {
            return written + DecodeZeroCodes(indices + written, count - written);
        }
        if (!m_fresh && !m_corrupt) {
            end = 0;
            written += DecodeBufferedCodes(indices + written, count - written, end);
            if (end < 0) {
                return written;
            }
        }
        if (written == count) {
            break;
        }
        // The rest, one index at a time: the first code, a refill, a clear or end code.
        const int index = NextIndex(source);
        if (index < 0) {
            end = index;
            return written;
        }
        indices[written++] = static_cast<unsigned char>(index);
    }
    return written;
}

void GifLzwDecoder::ResetCodeReader() {
    m_codeBuffer.fill(0);
    m_s.curBit = 0;
    m_s.lastBit = 0;
    m_lastByte = 2;
    m_done = false;
}

void GifLzwDecoder::NextSubBlock(ByteReader& source) {
    m_codeBuffer[0] = m_codeBuffer[m_lastByte - 2];
    m_codeBuffer[1] = m_codeBuffer[m_lastByte - 1];
    int count = ReadSubBlock(source, m_codeBuffer.data() + 2);
    if (count <= 0) {
        count = 0;
        m_done = true;
    }
    m_lastByte = 2 + count;
    std::memset(m_codeBuffer.data() + m_lastByte, 0, 3);
    // The bits of the previous sub-block not yet taken now lie in the carried bytes.
    m_s.curBit = m_s.curBit - m_s.lastBit + 16;
    m_s.lastBit = std::int64_t{m_lastByte} * 8;
}

int GifLzwDecoder::NextCode(ByteReader& source, int bits) {
    if (m_s.curBit + bits >= m_s.lastBit) {
        if (m_done) {
            return m_s.curBit >= m_s.lastBit ? 0 : -1;
        }
        // Sub-blocks shorter than two bytes may take more than one to complete a code.
        do {
            NextSubBlock(source);
        } while (m_s.curBit + bits > m_s.lastBit && !m_done);
    }
    const int code = m_s.curBit < m_s.lastBit ? BitsAt(m_codeBuffer.data(), m_s.curBit, CodeMask(bits)) : 0;
    m_s.curBit += bits;
    return code;
}
