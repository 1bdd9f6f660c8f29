// SPDX-License-Identifier: MIT
// A plain blocking socket that speaks records to the server under test,
// for what the library cannot do: forged and malformed records, garbage,
// clients that never read, and checks of exact wire fields.
#pragma once

#include "quor_wire/record.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quord::testing {

class RawClient {
public:
    // Connects to 127.0.0.1:port from the given local address (any address
    // of 127.0.0.0/8 is this machine's).
    explicit RawClient(int port, const char *from = "127.0.0.1");
    ~RawClient();
    RawClient(const RawClient &) = delete;
    RawClient &operator=(const RawClient &) = delete;

    bool connected() const { return fd_ >= 0; }
    int fd() const { return fd_; }

    // False once the server has closed the connection. What a Flood left
    // of its last copy goes first.
    bool Send(const quor::QuorMessage &record);
    bool SendBytes(const void *data, std::size_t size);
    // Sends up to count copies of the record as fast as the socket takes
    // them, for at most ms; returns the copies begun. A copy begun but not
    // finished then is finished by the next Send.
    std::size_t Flood(const quor::QuorMessage &record, std::size_t count, int ms);
    // Bytes sent that the server has not acknowledged yet (SIOCOUTQ).
    int Unacknowledged() const;
    // From now on every ping from the server that Read takes is answered,
    // as the library does, so that a long-lived client is not closed for
    // leaving them unanswered.
    void AnswerPings() { answersPings_ = true; }
    // The next whole record, or none on time-out or close.
    std::optional<quor::QuorMessage> Read(int ms = 3000);
    // The next record with this id, skipping others (pings, welcome).
    std::optional<quor::QuorMessage> ReadId(std::int32_t id, int ms = 3000);
    // True when the server closes the connection within ms (reading and
    // discarding whatever comes first).
    bool WaitClosed(int ms = 3000);

    // Sends a login request (build 14) and reads until the answer: 200 or
    // 201 when accepted, the error id when refused, 0 on time-out.
    std::int32_t Login(const std::string &user, const std::string &password,
                       std::int32_t build = 14);

private:
    int fd_ = -1;
    std::string buffer_;
    std::string unsent_; // the rest of a copy a Flood began
    bool answersPings_ = false;
};

// A record as a client would build it (format 1, typed fields).
quor::QuorMessage ClientRecord(std::int32_t id, std::string_view sender, std::string_view recipient,
                               std::string_view signature = "",
                               const std::vector<quor::FieldValue> &values = {});

// A text record (id 2, format 0) with the raw text at data offset 0.
quor::QuorMessage TextRecord(std::string_view recipient, std::string_view text);

// The fields of an error reply.
struct ErrorReply {
    std::int32_t error = 0;
    std::int32_t request = 0;
    std::string name;
    bool operator==(const ErrorReply &) const = default;
};

// The record read as an error reply (id 100 to 199, `ds`); none otherwise.
std::optional<ErrorReply> AsErrorReply(const quor::QuorMessage &record);

} // namespace quord::testing
