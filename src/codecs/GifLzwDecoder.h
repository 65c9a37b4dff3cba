// The variable-width LZW decoder of GIF image data and its code reader.
//
// Its tables outlive an image: the start of one resets only part of them, so corrupt data
// can reach string entries that an earlier image left behind.
#pragma once

#include "codecs/ByteReader.h"

#include <array>
#include <cstddef>
#include <cstdint>

class GifLzwDecoder {
public:
    static constexpr int MAX_CODE_BITS = 12;
    static constexpr int TABLE_SIZE = 1 << MAX_CODE_BITS;
    static constexpr int STACK_SIZE = 8192;
    static constexpr int MAX_SUB_BLOCK = 255;

    // Negative results of NextIndex.
    static constexpr int END_OF_DATA = -1;  // also a corrupt table
    static constexpr int END_CODE = -2;

    // The sub-block's length (0 to 255) with its bytes in destination, or -1 when the
    // length or the bytes cannot be read. Remembers whether the length was 0.
    int ReadSubBlock(ByteReader& source, unsigned char* destination);

    // Prepares the decoding of one image. A minimum code size above 11 would take the
    // clear code past the tables: such data counts as corrupt and yields no index.
    void Init(int minCodeSize);

    // The next colour index, or END_OF_DATA / END_CODE. The first code after a clear
    // code is passed on unchecked, so an "index" may reach 4095 in corrupt data.
    int NextIndex(ByteReader& source);

    // What count calls of NextIndex would yield, written to indices (cut to 8 bits)
    // up to the first negative result, which goes to end. Returns the number written.
    std::size_t ReadIndices(ByteReader& source, unsigned char* indices, std::size_t count, int& end);

    // True when every index from here on is 0, as the data has run out.
    bool HasRunOut() const {
        return !m_fresh && !m_corrupt && m_s.sp == 0 && m_done && m_s.curBit >= m_s.lastBit;
    }

private:
    // What changes with every code, copied into registers while a row is decoded.
    struct State {
        std::int64_t curBit = 0;  // bit positions in the code buffer
        std::int64_t lastBit = 0;
        int codeSize = 0;
        int clearCode = 0;
        int maxCode = 0;  // the next free table entry
        int maxCodeSize = 0;
        int firstCode = 0;  // first byte of the last string
        int oldCode = 0;
        int sp = 0;
    };

    void ResetTable(bool clearStrings);
    void ResetCodeReader();
    // Carries the last two bytes over and reads the next sub-block behind them.
    void NextSubBlock(ByteReader& source);
    // The next code of the given width (1 to 12 bits); 0 once the data has run out.
    int NextCode(ByteReader& source, int bits);
    int FirstCode(ByteReader& source);
    int SkipToEnd(ByteReader& source);
    bool PushString(State& s, int code);
    void AddEntry(State& s);
    void MakeEntry(int entry, int old, std::uint8_t byte);
    std::uint8_t WriteLongString(int code, std::size_t length, unsigned char* destination) const;
    std::size_t PopStack(State& s, unsigned char* indices, std::size_t count);
    std::size_t DecodeBufferedCodes(unsigned char* indices, std::size_t count, int& end);
    std::size_t DecodeZeroCodes(unsigned char* indices, std::size_t count);

    State m_s;
    bool m_corrupt = false;
    bool m_fresh = false;
    int m_minCodeSize = 0;
    std::array<std::uint16_t, TABLE_SIZE> m_prefix{};
    std::array<std::uint8_t, TABLE_SIZE> m_suffix{};
    std::array<std::uint8_t, STACK_SIZE> m_stack{};  // a string's bytes, last one at the bottom
    // The length of each entry's string, 0 when unknown: an entry made on a prefix not
    // yet defined (corrupt data) gets 0, and so do the entries made on it. Entries do
    // not change between resets, so a known length stays true, and a string of known
    // length that fits is written straight into place instead of through the stack.
    std::array<std::uint16_t, TABLE_SIZE> m_length{};
    // The same strings of known length in pieces of PIECE bytes, the last one up to PIECE,
    // so that they are written a piece at a time: of each entry, its string's last piece
    // (the first byte lowest, 0 past the end) and the entry whose string is the rest.
    // Nearly every string in a picture of many colours is one piece.
    static constexpr unsigned PIECE = 8;
    std::array<std::uint64_t, TABLE_SIZE> m_tail{};
    std::array<std::uint16_t, TABLE_SIZE> m_rest{};

    // Two bytes carried over from the previous sub-block, then the current one, then
    // room for a code that reaches past it: bits past the last sub-block read as 0. A code
    // is read with a 4-byte load, hence one byte more.
    std::array<std::uint8_t, 2 + MAX_SUB_BLOCK + 4> m_codeBuffer{};
    int m_lastByte = 2;
    bool m_done = false;
    bool m_zeroBlock = false;
};
