// SPDX-License-Identifier: MIT
#include "floods.h"

#include "bench_quord.h"
#include "quor_wire/protocol_ids.h"
#include "quor_wire/record.h"
#include "raw_client.h"

#include <sys/socket.h>

#include <string>

namespace quord::bench {

namespace {

using namespace quor::wire;
using testing::ClientRecord;
using testing::RawClient;
using testing::TextRecord;

constexpr std::int32_t kUnknownId = 999;
// How long a flood waits at most for the socket to take more.
constexpr int kSendMs = 20;

std::string AddressOf(int process) {
    return "127.0.4." + std::to_string(process + 1);
}

// Throws away whatever quord sent, as a flooder that reads does.
void Discard(RawClient &client) {
    char buffer[65536];
    while (::recv(client.fd(), buffer, sizeof buffer, MSG_DONTWAIT) > 0) {
    }
}

// A session of the flood's own, logged on from the process's address.
std::unique_ptr<RawClient> LogOn(int port, int process, const std::string &user) {
    auto client = std::make_unique<RawClient>(port, AddressOf(process).c_str());
    if (client->Login(user, kFloodPassword) != kLoggedOnUser) {
        return nullptr;
    }
    client->AnswerPings();
    return client;
}

// Sends copies of the record as fast as the socket takes them, reading and
// discarding what comes back (and what the readers get) meanwhile.
void Pour(RawClient &flooder, const quor::QuorMessage &record, double until,
          const std::vector<RawClient *> &readers = {}) {
    while (NowSeconds() < until) {
        flooder.Flood(record, 1000, kSendMs);
        Discard(flooder);
        for (RawClient *reader : readers) {
            Discard(*reader);
        }
    }
}

void RecordsBeforeLogon(int port, int process, double until) {
    const quor::QuorMessage junk = ClientRecord(kUnknownId, "x", kServerName);
    while (NowSeconds() < until) {
        RawClient client(port, AddressOf(process).c_str());
        client.Flood(junk, 20, kSendMs);
    }
}

void UnknownIds(int port, int process, double until) {
    if (auto flooder = LogOn(port, process, "unknown")) {
        Pour(*flooder, ClientRecord(kUnknownId, "unknown", kServerName), until);
    }
}

void WrongChannelPasswords(int port, int process, double until) {
    if (auto flooder = LogOn(port, process, "guesser")) {
        Pour(*flooder,
             ClientRecord(kChannelRequest, "guesser", kServerName, "dsds",
                          {kJoinChannel, kLockedChannel, 0, "guess"}),
             until);
    }
}

// A session that never reads, its receive buffer as small as can be.
std::unique_ptr<RawClient> SlowReader(int port, int process, const std::string &user) {
    auto client = std::make_unique<RawClient>(port, AddressOf(process).c_str());
    const int small = 1;
    setsockopt(client->fd(), SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    return client->Login(user, kFloodPassword) == kLoggedOnUser ? std::move(client) : nullptr;
}

void TextsToASlowReader(int port, int process, double until) {
    auto slow = SlowReader(port, process, "slow");
    auto flooder = LogOn(port, process, "texter");
    if (slow && flooder) {
        Pour(*flooder, TextRecord("slow", std::string(399, 't')), until);
    }
}

void TextsToAReader(int port, int process, double until) {
    auto reader = LogOn(port, process, "reader");
    auto flooder = LogOn(port, process, "chatter");
    if (reader && flooder) {
        Pour(*flooder, TextRecord("reader", std::string(399, 't')), until, {reader.get()});
    }
}

void ChannelTexts(int port, int process, double until) {
    auto slow = SlowReader(port, process, "member");
    auto reader = LogOn(port, process, "listener");
    auto flooder = LogOn(port, process, "speaker");
    if (!slow || !reader || !flooder) {
        return;
    }
    const quor::QuorMessage join =
        ClientRecord(kChannelRequest, "", kServerName, "dsds", {kJoinChannel, "#flood", 0, ""});
    for (RawClient *member : {slow.get(), reader.get(), flooder.get()}) {
        member->Send(join);
    }
    reader->ReadId(kChannelInfo);
    flooder->ReadId(kChannelInfo);
    Pour(*flooder, TextRecord("#flood", std::string(399, 'c')), until, {reader.get()});
}

void ContactLists(int port, int process, double until) {
    auto flooder = LogOn(port, process, "lister");
    if (!flooder) {
        return;
    }
    quor::ListBuilder builder(kContactsRequest, kServerName);
    for (int i = 0; i < 1000; ++i) {
        builder.add("contact" + std::to_string(i));
    }
    const std::vector<quor::QuorMessage> list = builder.finish();
    while (NowSeconds() < until) {
        for (const quor::QuorMessage &part : list) {
            while (flooder->Flood(part, 1, kSendMs) == 0 && NowSeconds() < until) {
                Discard(*flooder);
            }
        }
        Discard(*flooder);
    }
}

void WrongPasswords(int port, int process, double until) {
    const linger reset{1, 0};
    for (std::uint64_t n = 0; NowSeconds() < until; ++n) {
        RawClient client(port, AddressOf(process).c_str());
        client.Login("p" + std::to_string(process) + "n" + std::to_string(n), "guess");
        setsockopt(client.fd(), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    }
}

} // namespace

const std::vector<Flood> &Floods() {
    static const std::vector<Flood> floods = {
        {"records that are not opening requests, before logon", RecordsBeforeLogon, 1},
        {"unknown ids after logon", UnknownIds, 1},
        {"wrong channel passwords", WrongChannelPasswords, 1},
        {"private texts to a client that does not read", TextsToASlowReader, 1},
        {"private texts to a client that reads", TextsToAReader, 1},
        {"channel texts to a member that reads and one that does not", ChannelTexts, 1},
        {"1,000-name contact lists", ContactLists, 1},
        {"wrong-password logins from 4 addresses", WrongPasswords, 4},
    };
    return floods;
}

std::vector<std::string> FloodAccounts() {
    return {"unknown", "guesser", "slow",     "texter",  "reader",
            "chatter", "member",  "listener", "speaker", "lister"};
}

} // namespace quord::bench
