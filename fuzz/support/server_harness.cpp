// SPDX-License-Identifier: MIT
#include "server_harness.h"

#include "fuzz_check.h"
#include "quor_wire/protocol_ids.h"
#include "server_requests_input.h"

#include <filesystem>
#include <utility>

namespace quor::fuzz {

using namespace quor::wire;

bool InlinePasswordWorkers::Submit(quord::WorkTicket ticket, quord::PasswordTask task) {
    if (finished_.size() >= queueLimit_) {
        return false;
    }
    finished_.push_back({ticket, quord::RunPasswordTask(task)});
    return true;
}

std::vector<quord::FinishedWork> InlinePasswordWorkers::TakeFinished() {
    return std::exchange(finished_, {});
}

void FakeTransport::Send(quord::ConnectionId connection, const QuorMessage &record) {
    FUZZ_CHECK(!reported_.contains(connection));
    ++sent_;
    if (IsErrorId(record.id())) {
        std::int32_t request = 0;
        std::string name;
        FUZZ_CHECK(ExpectFields(record, record.id(), 1, "ds", {&request, &name}));
    }
    if (record.id() == kProfile) {
        // Profiles never carry a password.
        std::string name;
        std::string password = "unread";
        ExpectFields(record, kProfile, 1, "ss", {&name, &password});
        FUZZ_CHECK(password.empty());
    }
}

bool FakeTransport::LoggedOn(quord::ConnectionId connection) {
    FUZZ_CHECK(!reported_.contains(connection));
    return true;
}

void FakeTransport::CloseAfterSending(quord::ConnectionId connection) {
    if (!reported_.contains(connection)) {
        closing_.insert(connection);
    }
}

void FakeTransport::Drop(quord::ConnectionId connection, const std::string &) {
    CloseAfterSending(connection);
}

std::vector<quord::ConnectionId> FakeTransport::TakeClosing() {
    std::vector<quord::ConnectionId> closing(closing_.begin(), closing_.end());
    closing_.clear();
    return closing;
}

namespace {

void SeedAccounts(quord::AccountStore &store) {
    for (const SeededAccount &seed : kSeededAccounts) {
        quord::Account account;
        account.name = seed.name;
        account.passwordHash = quord::HashPassword(seed.password, quord::kCheapHashCost);
        account.email = seed.email;
        account.userType =
            seed.administrator ? quord::kUserTypeAdministrator : quord::kUserTypeUser;
        account.created = 1;
        store.Add(account);
    }
}

} // namespace

ServerHarness::ServerHarness(const std::string &outboxFolder, bool registrationOpen,
                             std::size_t workQueueLimit)
    : outboxFolder_(outboxFolder), store_(":memory:"), outbox_(outboxFolder),
      workers_(workQueueLimit), throttle_(quord::PenaltyRules{}, [this] { return nowMs_; }) {
    SeedAccounts(store_);
    quord::ChatSettings settings;
    settings.registrationOpen = registrationOpen;
    settings.hashCost = quord::kCheapHashCost;
    server_ = std::make_unique<quord::ChatServer>(transport_, store_, outbox_, workers_, throttle_,
                                                  settings);
}

ServerHarness::~ServerHarness() {
    // Everything still open closes, work still out comes back to nobody.
    for (Slot &slot : slots_) {
        ClientCloses(static_cast<std::size_t>(&slot - slots_.data()));
    }
    server_->FinishPasswordWork();
    Reap();
    server_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(outboxFolder_, ignored);
}

void ServerHarness::Open(std::size_t slot, std::size_t address) {
    Slot &s = slots_.at(slot);
    if (s.id != 0) {
        return;
    }
    s = Slot{};
    s.id = nextId_++;
    // A higher bit of the address byte says whether the address has used up
    // its log budget, so that quiet sessions are fuzzed too.
    const bool quiet = address / kAddresses % 2 == 1;
    server_->OnOpened(s.id, "10.0.0." + std::to_string(address % kAddresses + 1), quiet);
}

void ServerHarness::ClientCloses(std::size_t slot) {
    Slot &s = slots_.at(slot);
    if (s.id != 0) {
        transport_.Reported(s.id);
        server_->OnClosed(s.id);
        s.id = 0;
    }
}

void ServerHarness::Feed(std::size_t slot, std::span<const std::uint8_t> bytes) {
    Slot &s = slots_.at(slot);
    if (s.id == 0) {
        return;
    }
    const quord::ConnectionId id = s.id;
    // Like the event loop, input stops counting once the server closes.
    s.input.Feed(bytes.data(), bytes.size(), [&](const QuorMessage &record) {
        server_->OnRecord(id, record);
        return !transport_.closing(id);
    });
}

void ServerHarness::FeedRecord(std::size_t slot, const QuorMessage &record) {
    QuorMessage received = record;
    received.terminateNames();
    const quord::ConnectionId id = slots_.at(slot).id;
    if (id != 0 && !transport_.closing(id)) {
        server_->OnRecord(id, received);
    }
}

void ServerHarness::Reap() {
    for (quord::ConnectionId id : transport_.TakeClosing()) {
        for (Slot &slot : slots_) {
            if (slot.id == id) {
                slot.id = 0;
            }
        }
        transport_.Reported(id);
        server_->OnClosed(id);
    }
}

} // namespace quor::fuzz
