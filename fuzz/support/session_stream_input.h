// SPDX-License-Identifier: MIT
// Layout of a fuzz_session_stream input:
//
//   byte 0      bits 0-1: the session's situation (StreamSituation);
//               bit 2: callbacks answer with requests of their own;
//               bit 3: the chosen callback calls quor_term instead of
//               quor_destroy;
//               bit 4: the even callback slots are left empty;
//               bit 5: the odd callback slots are left empty.
//   byte 1      number of the callback (1 = first) that destroys the session
//               or terminates the library from inside; 0: none does.
//   then reads  each a 16-bit little-endian size, taken modulo 477 (0 is a
//               read that delivered nothing), followed by that many bytes of
//               the server's stream (fewer at the end of the input).
#pragma once

#include "byte_reader.h"
#include "byte_writer.h"
#include "quor_wire/record.h"

#include <cstdint>
#include <span>

namespace quor::fuzz {

enum class StreamSituation : std::uint8_t {
    LoggedOn = 0,
    AwaitingLoginReply = 1,
    AwaitingAccountReply = 2,
    AwaitingPasswordReply = 3,
};

inline constexpr std::uint8_t kAnswerWithRequests = 0x04;
inline constexpr std::uint8_t kTerminateInsteadOfDestroy = 0x08;
inline constexpr std::uint8_t kEvenSlotsEmpty = 0x10;
inline constexpr std::uint8_t kOddSlotsEmpty = 0x20;
inline constexpr std::uint32_t kEvenSlots = 0x00555555; // slots 0, 2, ... 22
inline constexpr std::uint32_t kOddSlots = 0x00aaaaaa;  // slots 1, 3, ... 23
// A read asks for at most one record.
inline constexpr std::size_t kMaxReadSize = kRecordSize;

struct StreamHeader {
    StreamSituation situation = StreamSituation::LoggedOn;
    bool answerWithRequests = false;
    bool terminateInsteadOfDestroy = false;
    // Callback slots left empty, one bit per slot.
    std::uint32_t emptySlots = 0;
    unsigned reentrantCallback = 0;
};

inline StreamHeader ReadStreamHeader(ByteReader &in) {
    const std::uint8_t flags = in.byte();
    StreamHeader header;
    header.situation = static_cast<StreamSituation>(flags & 0x03);
    header.answerWithRequests = (flags & kAnswerWithRequests) != 0;
    header.terminateInsteadOfDestroy = (flags & kTerminateInsteadOfDestroy) != 0;
    header.emptySlots = ((flags & kEvenSlotsEmpty) != 0 ? kEvenSlots : 0) |
                        ((flags & kOddSlotsEmpty) != 0 ? kOddSlots : 0);
    header.reentrantCallback = in.byte();
    return header;
}

// The bytes of the next read.
inline std::span<const std::uint8_t> ReadChunk(ByteReader &in) {
    return in.bytes(in.u16() % (kMaxReadSize + 1));
}

inline void WriteStreamHeader(ByteWriter &out, const StreamHeader &header) {
    std::uint8_t flags = static_cast<std::uint8_t>(header.situation);
    flags |= header.answerWithRequests ? kAnswerWithRequests : 0;
    flags |= header.terminateInsteadOfDestroy ? kTerminateInsteadOfDestroy : 0;
    flags |= (header.emptySlots & kEvenSlots) != 0 ? kEvenSlotsEmpty : 0;
    flags |= (header.emptySlots & kOddSlots) != 0 ? kOddSlotsEmpty : 0;
    out.byte(flags);
    out.byte(static_cast<std::uint8_t>(header.reentrantCallback));
}

inline void WriteChunk(ByteWriter &out, std::span<const std::uint8_t> bytes) {
    out.u16(static_cast<std::uint16_t>(bytes.size()));
    out.bytes(bytes);
}

} // namespace quor::fuzz
