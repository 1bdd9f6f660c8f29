// SPDX-License-Identifier: MIT
// Layout of a fuzz_server_requests input: a flags byte, then steps until
// the input ends. Each step is an op byte whose low 3 bits choose the
// action and whose next 3 bits choose one of 8 connection slots:
//
//   Open     one byte: the client's address (10.0.0.1 to 10.0.0.4)
//   Close    the client closes the slot's connection
//   Request  one byte choosing a request kind (kRequests, modulo), then one
//            value per field of its signature (see ReadValue), then for
//            texts and pings the recipient, for contact lists the flags
//            byte and up to 7 names
//   Record   476 bytes sent as one record (zeros past the end of the input)
//   Bytes    a length byte and that many bytes, cut into records with
//            whatever the connection had pending
//   Finish   the finished password work is delivered
//   Timer    the server's timer fires (pings)
//   Clock    the throttle's clock moves on by a byte times 4 seconds
//
// Flags: bit 0 closes registration; bit 1 lets only one password task wait
// at a time, so that requests are refused as busy.
//
// A value (ReadValue): a byte below kRawValue picks a word of kWords (for
// strings) or of kNumbers (for integers) modulo its size; kRawValue and
// above is followed by a raw value: a 32-bit integer, or a length byte
// (modulo 48) and that many bytes of string.
#pragma once

#include "byte_reader.h"
#include "byte_writer.h"
#include "quor_wire/protocol_ids.h"
#include "quor_wire/record.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quor::fuzz {

enum class ServerAction : std::uint8_t {
    Open,
    Close,
    Request,
    Record,
    Bytes,
    Finish,
    Timer,
    Clock
};
inline constexpr std::size_t kSlots = 8;
inline constexpr std::size_t kAddresses = 4;
inline constexpr std::uint8_t kRegistrationClosed = 0x01;
inline constexpr std::uint8_t kTinyWorkQueue = 0x02;
inline constexpr std::uint8_t kRawValue = 0xf0;
inline constexpr std::size_t kMaxRawString = 48;
inline constexpr std::size_t kMaxContactsPerPart = 7;
inline constexpr std::int64_t kClockStepMs = 4000;

// Accounts every input starts with: name, password, e-mail, administrator.
struct SeededAccount {
    std::string_view name;
    std::string_view password;
    std::string_view email;
    bool administrator;
};
inline constexpr std::array<SeededAccount, 3> kSeededAccounts = {{
    {"anna", "anna-pw", "anna@example.org", false},
    {"bob", "bob-pw", "bob@example.org", false},
    {"boss", "boss-pw", "boss@example.org", true},
}};

// Words the server reacts to: the seeded names and passwords, channels,
// pseudo-users, addresses, reserved and overlong names.
inline constexpr std::array<std::string_view, 26> kWords = {
    "anna",
    "bob",
    "boss",
    "ANNA",
    "anna-pw",
    "bob-pw",
    "boss-pw",
    "carol",
    "#lobby",
    "#Lobby",
    "#x",
    "$server",
    "<broadcast>",
    "anna@example.org",
    "bob@example.org",
    "new@example.org",
    "bad address",
    "",
    "secret-pw",
    "pw",
    "admin",
    "#",
    "lobby",
    "carol@example.org",
    "abcdefghijklmnopqrstuvwxyz12345",
    "abcdefghijklmnopqrstuvwxyz123456789",
};
inline constexpr std::array<std::int32_t, 8> kNumbers = {0, 1, 2, 14, 13, -1, 1700000000, 403};

// The requests a client sends, with their signatures; texts (id 2) and
// contact lists (id 310) are built without one.
struct RequestKind {
    std::int32_t id;
    std::string_view signature;
};
inline constexpr std::array<RequestKind, 14> kRequests = {{
    {quor::wire::kLoginRequest, "ssdd"},
    {quor::wire::kCreateAccountRequest, "ssdd"},
    {quor::wire::kPasswordRequest, "ssdd"},
    {quor::wire::kText, ""},
    {quor::wire::kChannelListRequest, ""},
    {quor::wire::kChannelRequest, "dsds"},
    {quor::wire::kProfileRequest, "s"},
    {quor::wire::kIsOnlineRequest, "s"},
    {quor::wire::kContactsRequest, ""},
    {quor::wire::kInviteRequest, "ss"},
    {quor::wire::kChangeEmailRequest, "s"},
    {quor::wire::kProfile, "sssddddd"},
    {quor::wire::kPing, "d"},
    {quor::wire::kPingReply, "d"},
}};

inline std::uint8_t OpByte(ServerAction action, std::size_t slot) {
    return static_cast<std::uint8_t>(static_cast<unsigned>(action) | (slot % kSlots) << 3);
}

inline std::string ReadString(ByteReader &in) {
    const std::uint8_t pick = in.byte();
    if (pick < kRawValue) {
        return std::string(kWords[pick % kWords.size()]);
    }
    const auto raw = in.bytes(in.byte() % (kMaxRawString + 1));
    return std::string(raw.begin(), raw.end());
}

inline std::int32_t ReadNumber(ByteReader &in) {
    const std::uint8_t pick = in.byte();
    return pick < kRawValue ? kNumbers[pick % kNumbers.size()] : in.i32();
}

// The record of a Request step, the op byte already read.
inline QuorMessage ReadRequest(ByteReader &in) {
    const RequestKind &kind = kRequests[in.byte() % kRequests.size()];
    QuorMessage record;
    if (kind.id == quor::wire::kText) {
        record.setId(kind.id);
        record.setRecipient(ReadString(in));
        record.setRawText(ReadString(in));
        return record;
    }
    if (kind.id == quor::wire::kContactsRequest) {
        ListBuilder builder(kind.id, quor::wire::kServerName);
        const std::uint8_t flags = in.byte();
        const std::size_t count = in.byte() % (kMaxContactsPerPart + 1);
        for (std::size_t i = 0; i < count; ++i) {
            builder.add(ReadString(in));
        }
        record = builder.finish().front();
        record.bytes[kDataOffset] = flags & (kListFirst | kListLast);
        return record;
    }
    std::vector<std::string> strings;
    strings.reserve(kind.signature.size());
    std::vector<FieldValue> values;
    for (char letter : kind.signature) {
        if (letter == 's') {
            values.emplace_back(std::string_view(strings.emplace_back(ReadString(in))));
        } else {
            values.emplace_back(ReadNumber(in));
        }
    }
    const bool toUser = kind.id == quor::wire::kPing || kind.id == quor::wire::kPingReply;
    record.setRecipient(toUser ? ReadString(in) : std::string(quor::wire::kServerName));
    PackFields(record, kind.id, 1, kind.signature, values);
    return record;
}

// Writers for the seed generator, each writing one step.
class ServerInputWriter {
public:
    explicit ServerInputWriter(std::uint8_t flags = 0) { out_.byte(flags); }

    ServerInputWriter &Open(std::size_t slot, std::uint8_t address = 0) {
        out_.byte(OpByte(ServerAction::Open, slot));
        out_.byte(address);
        return *this;
    }
    ServerInputWriter &Close(std::size_t slot) { return Op(ServerAction::Close, slot); }
    ServerInputWriter &Finish() { return Op(ServerAction::Finish, 0); }
    ServerInputWriter &Timer() { return Op(ServerAction::Timer, 0); }
    ServerInputWriter &Clock(std::uint8_t steps) {
        Op(ServerAction::Clock, 0);
        out_.byte(steps);
        return *this;
    }
    // A request; values are words (std::string_view found in kWords, else
    // written raw) or integers, in signature order, then the extras of
    // texts, pings and contact lists as described above.
    ServerInputWriter &
    Request(std::size_t slot, std::int32_t id,
            const std::vector<std::variant<std::string_view, std::int32_t>> &values) {
        Op(ServerAction::Request, slot);
        for (std::size_t i = 0; i < kRequests.size(); ++i) {
            if (kRequests[i].id == id) {
                out_.byte(static_cast<std::uint8_t>(i));
            }
        }
        for (const auto &value : values) {
            if (const auto *word = std::get_if<std::string_view>(&value)) {
                String(*word);
            } else {
                Number(std::get<std::int32_t>(value));
            }
        }
        return *this;
    }
    // Contact list parts carry a flags byte and a count before their names.
    ServerInputWriter &Contacts(std::size_t slot, std::uint8_t flags,
                                const std::vector<std::string_view> &names) {
        Op(ServerAction::Request, slot);
        for (std::size_t i = 0; i < kRequests.size(); ++i) {
            if (kRequests[i].id == quor::wire::kContactsRequest) {
                out_.byte(static_cast<std::uint8_t>(i));
            }
        }
        out_.byte(flags);
        out_.byte(static_cast<std::uint8_t>(names.size()));
        for (std::string_view name : names) {
            String(name);
        }
        return *this;
    }
    ServerInputWriter &Record(std::size_t slot, const QuorMessage &record) {
        Op(ServerAction::Record, slot);
        out_.bytes(record.bytes);
        return *this;
    }
    ServerInputWriter &Bytes(std::size_t slot, std::span<const std::uint8_t> bytes) {
        Op(ServerAction::Bytes, slot);
        out_.byte(static_cast<std::uint8_t>(bytes.size()));
        out_.bytes(bytes.first(std::min<std::size_t>(bytes.size(), 255)));
        return *this;
    }

    const std::vector<std::uint8_t> &data() const { return out_.data(); }

private:
    ServerInputWriter &Op(ServerAction action, std::size_t slot) {
        out_.byte(OpByte(action, slot));
        return *this;
    }
    void String(std::string_view text) {
        for (std::size_t i = 0; i < kWords.size(); ++i) {
            if (kWords[i] == text) {
                out_.byte(static_cast<std::uint8_t>(i));
                return;
            }
        }
        out_.byte(kRawValue);
        out_.byte(static_cast<std::uint8_t>(text.size()));
        out_.text(text);
    }
    void Number(std::int32_t value) {
        for (std::size_t i = 0; i < kNumbers.size(); ++i) {
            if (kNumbers[i] == value) {
                out_.byte(static_cast<std::uint8_t>(i));
                return;
            }
        }
        out_.byte(kRawValue);
        out_.i32(value);
    }

    ByteWriter out_;
};

} // namespace quor::fuzz
