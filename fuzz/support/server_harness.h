// SPDX-License-Identifier: MIT
// The chat server without sockets, for the server fuzzer: a fake transport
// records what the server sends and closes, password work runs inline at
// the cheapest cost, the store lives in memory and the throttle's clock
// moves only when told. Connections open and close, and bytes and records
// arrive, in the order the caller chooses, the way the event loop would
// deliver them. Invariants the server must keep are checked as it goes.
#pragma once

#include "account_store.h"
#include "chat_server.h"
#include "login_throttle.h"
#include "outbox.h"
#include "password_work.h"
#include "record_assembler.h"
#include "transport.h"

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace quor::fuzz {

// Runs every task when it is submitted and keeps the outcome until taken;
// the queue limit counts outcomes not yet taken.
class InlinePasswordWorkers : public quord::PasswordWorkers {
public:
    explicit InlinePasswordWorkers(std::size_t queueLimit) : queueLimit_(queueLimit) {}
    bool Submit(quord::WorkTicket ticket, quord::PasswordTask task) override;
    std::vector<quord::FinishedWork> TakeFinished() override;

private:
    std::size_t queueLimit_;
    std::vector<quord::FinishedWork> finished_;
};

// Records the server's output per connection and checks that it never
// addresses a connection it was told had closed.
class FakeTransport : public quord::Transport {
public:
    void Send(quord::ConnectionId connection, const QuorMessage &record) override;
    void CloseAfterSending(quord::ConnectionId connection) override;
    void Drop(quord::ConnectionId connection, const std::string &reason) override;
    void Relay(quord::ConnectionId, quord::ConnectionId to, const QuorMessage &record) override {
        Send(to, record);
    }
    void SendUnlessCongested(quord::ConnectionId connection, const QuorMessage &record) override {
        Send(connection, record);
    }
    void Charge(quord::ConnectionId, double) override {}
    bool InputHeldBack(quord::ConnectionId) override { return false; }
    void OpeningReceived(quord::ConnectionId) override {}
    // Checks that no connection reported closed logs on.
    bool LoggedOn(quord::ConnectionId connection) override;

    // Connections the server closed since the last call.
    std::vector<quord::ConnectionId> TakeClosing();
    bool closing(quord::ConnectionId connection) const { return closing_.contains(connection); }
    // OnClosed was called: nothing may be sent there any more.
    void Reported(quord::ConnectionId connection) {
        closing_.erase(connection);
        reported_.insert(connection);
    }
    std::size_t sent() const { return sent_; }

private:
    std::set<quord::ConnectionId> closing_;
    std::set<quord::ConnectionId> reported_; // OnClosed was called
    std::size_t sent_ = 0;
};

class ServerHarness {
public:
    // A fresh server with the seeded accounts; outboxFolder is emptied.
    ServerHarness(const std::string &outboxFolder, bool registrationOpen,
                  std::size_t workQueueLimit);
    ~ServerHarness();

    void Open(std::size_t slot, std::size_t address);
    void ClientCloses(std::size_t slot);
    void Feed(std::size_t slot, std::span<const std::uint8_t> bytes);
    void FeedRecord(std::size_t slot, const QuorMessage &record);
    void FinishWork() { server_->FinishPasswordWork(); }
    void Timer() { server_->OnTimer(); }
    void AdvanceClock(std::int64_t ms) { nowMs_ += ms; }
    // What the loop does after each turn: connections the server closed
    // are reported closed.
    void Reap();

private:
    struct Slot {
        quord::ConnectionId id = 0;
        quord::RecordAssembler input;
    };

    std::string outboxFolder_;
    std::int64_t nowMs_ = 0;
    quord::ConnectionId nextId_ = 16;
    quord::AccountStore store_;
    quord::Outbox outbox_;
    FakeTransport transport_;
    InlinePasswordWorkers workers_;
    quord::LoginThrottle throttle_;
    std::unique_ptr<quord::ChatServer> server_;
    std::array<Slot, 8> slots_;
};

} // namespace quor::fuzz
