// SPDX-License-Identifier: MIT
#include "server_seeds.h"

#include "quor_wire/protocol_ids.h"
#include "server_requests_input.h"

namespace quor::fuzz {

using namespace quor::wire;

namespace {

using Writer = ServerInputWriter;

// Opens the slot from the address and logs on; the password work is done.
Writer &LogOn(Writer &w, std::size_t slot, std::string_view name, std::string_view password,
              std::uint8_t address = 0) {
    return w.Open(slot, address)
        .Request(slot, kLoginRequest, {name, password, kApiBuild, 1})
        .Finish();
}

Writer LoginAndChat() {
    Writer w;
    LogOn(w, 0, "anna", "anna-pw");
    LogOn(w, 1, "bob", "bob-pw", 1);
    return std::move(w.Request(0, kText, {"bob", "hello bob"})
                         .Request(1, kText, {"ANNA", "hello anna"})
                         .Request(0, kText, {"carol", "stored for later"})
                         .Request(0, kPing, {1700000000, "$server"})
                         .Request(0, kPing, {1, "bob"})
                         .Request(1, kPingReply, {1, "anna"})
                         .Request(0, kIsOnlineRequest, {"BOB"})
                         .Timer()
                         .Close(1)
                         .Request(0, kIsOnlineRequest, {"bob"})
                         .Close(0));
}

Writer WrongLoginsThrottled() {
    Writer w;
    for (std::size_t i = 0; i < 8; ++i) {
        w.Open(i % kSlots).Request(i % kSlots, kLoginRequest, {"anna", "secret-pw", kApiBuild, 1});
        w.Finish();
    }
    w.Open(0).Request(0, kLoginRequest, {"anna", "anna-pw", kApiBuild, 1}).Finish();
    w.Clock(255).Clock(255);
    LogOn(w, 1, "anna", "anna-pw", 2);
    return w;
}

Writer LoginClosedDuringCheck() {
    Writer w;
    w.Open(0).Request(0, kLoginRequest, {"anna", "anna-pw", kApiBuild, 1}).Close(0).Finish();
    w.Open(1).Request(1, kLoginRequest, {"bob", "secret-pw", kApiBuild, 1}).Close(1).Finish();
    LogOn(w, 2, "anna", "anna-pw");
    return w;
}

Writer RecordsHeldDuringCheck() {
    Writer w;
    LogOn(w, 1, "bob", "bob-pw");
    w.Open(0)
        .Request(0, kLoginRequest, {"anna", "anna-pw", kApiBuild, 1})
        .Request(0, kText, {"bob", "sent before the answer"})
        .Request(0, kChannelListRequest, {})
        .Finish();
    LogOn(w, 2, "anna", "anna-pw");
    return w;
}

Writer AccountRequests(std::uint8_t flags) {
    Writer w(flags);
    w.Open(0).Request(0, kCreateAccountRequest, {"carol", "carol@example.org", kApiBuild, 1});
    w.Finish();
    w.Open(1).Request(1, kCreateAccountRequest, {"admin", "new@example.org", kApiBuild, 1});
    w.Open(2).Request(2, kPasswordRequest, {"anna", "anna@example.org", kApiBuild, 1}).Finish();
    w.Open(3).Request(3, kPasswordRequest, {"ANNA", "anna@example.org", kApiBuild, 1}).Finish();
    w.Open(4).Request(4, kPasswordRequest, {"boss", "boss@example.org", kApiBuild, 1});
    w.Open(5).Request(5, kCreateAccountRequest, {"carol", "carol@example.org", kApiBuild, 1});
    w.Close(5).Finish();
    return w;
}

Writer BusyQueue() {
    Writer w(kTinyWorkQueue);
    w.Open(0).Request(0, kLoginRequest, {"anna", "anna-pw", kApiBuild, 1});
    w.Open(1).Request(1, kLoginRequest, {"bob", "bob-pw", kApiBuild, 1});
    w.Open(2).Request(2, kCreateAccountRequest, {"carol", "carol@example.org", kApiBuild, 1});
    w.Finish();
    return w;
}

Writer Channels() {
    Writer w;
    LogOn(w, 0, "anna", "anna-pw");
    LogOn(w, 1, "bob", "bob-pw");
    LogOn(w, 2, "boss", "boss-pw");
    return std::move(w.Request(0, kChannelRequest, {kJoinChannel, "#lobby", 1, ""})
                         .Request(0, kInviteRequest, {"#lobby", "bob"})
                         .Request(1, kChannelRequest, {kJoinChannel, "#Lobby", 0, ""})
                         .Request(2, kChannelRequest, {kJoinChannel, "#lobby", 0, ""})
                         .Request(1, kText, {"#lobby", "hello channel"})
                         .Request(2, kChannelRequest, {kJoinChannel, "#x", 0, "pw"})
                         .Request(1, kChannelRequest, {kJoinChannel, "#x", 0, "secret-pw"})
                         .Request(0, kChannelListRequest, {})
                         .Request(2, kText, {"<broadcast>", "maintenance"})
                         .Request(1, kText, {"<broadcast>", "not allowed"})
                         .Request(1, kChannelRequest, {kLeaveChannel, "#lobby", 0, ""})
                         .Close(0)
                         .Request(2, kChannelListRequest, {}));
}

Writer Contacts() {
    Writer w;
    LogOn(w, 0, "anna", "anna-pw");
    w.Contacts(0, kListFirst, {"bob", "carol", "boss"}).Contacts(0, kListLast, {"BOB", ""});
    LogOn(w, 1, "bob", "bob-pw");
    w.Close(1).Contacts(0, kListFirst | kListLast, {}).Contacts(0, 0, {"anna"});
    return w;
}

Writer Profiles() {
    Writer w;
    LogOn(w, 0, "anna", "anna-pw");
    LogOn(w, 1, "boss", "boss-pw");
    w.Request(0, kProfileRequest, {"anna"})
        .Request(0, kProfileRequest, {"bob"})
        .Request(0, kProfile, {"anna", "secret-pw", "anna@example.org", 0, 1, 0, 0, 0})
        .Request(0, kText, {"anna", "held while hashing"})
        .Finish()
        .Request(0, kProfile, {"anna", "pw", "anna@example.org", 0, 1, 0, 0, 0})
        .Request(0, kProfile, {"anna", "", "anna@example.org", 1, 1, 0, 0, 0})
        .Request(1, kProfile, {"bob", "secret-pw", "bob@example.org", 0, 1, 0, 0, 1})
        .Request(1, kProfile, {"anna", "", "anna@example.org", 0, 1, 0, 0, 1})
        .Finish()
        .Request(1, kProfileRequest, {"carol"});
    return w;
}

Writer ChangeEmail() {
    Writer w;
    LogOn(w, 0, "anna", "anna-pw");
    LogOn(w, 1, "boss", "boss-pw");
    w.Request(0, kChangeEmailRequest, {"bad address"})
        .Request(0, kChangeEmailRequest, {"new@example.org"})
        .Request(0, kText, {"boss", "after the change"})
        .Finish()
        .Request(1, kChangeEmailRequest, {"new@example.org"});
    w.Open(2).Request(2, kLoginRequest, {"anna", "anna-pw", kApiBuild, 1}).Finish();
    return w;
}

Writer RawRecordsAndBytes() {
    Writer w;
    QuorMessage login;
    PackFields(login, kLoginRequest, 1, "ssdd", {"anna", "anna-pw", kApiBuild, 1});
    const std::span<const std::uint8_t> bytes(login.bytes);
    w.Open(0).Bytes(0, bytes.first(100)).Bytes(0, bytes.subspan(100, 255));
    w.Bytes(0, bytes.subspan(355)).Finish();
    QuorMessage unterminated;
    unterminated.bytes.fill('A');
    unterminated.setId(kLoginRequest);
    unterminated.setFormat(1);
    w.Open(1).Record(1, unterminated);
    QuorMessage oldBuild;
    PackFields(oldBuild, kLoginRequest, 1, "ssdd", {"bob", "bob-pw", 13, 1});
    w.Open(2).Record(2, oldBuild);
    QuorMessage unknown;
    unknown.setId(999);
    w.Record(0, unknown).Open(3).Record(3, unknown).Timer();
    return w;
}

} // namespace

std::vector<std::pair<std::string, std::vector<std::uint8_t>>> ServerRequestSeeds() {
    return {
        {"login_and_chat", LoginAndChat().data()},
        {"wrong_logins_throttled", WrongLoginsThrottled().data()},
        {"login_closed_during_check", LoginClosedDuringCheck().data()},
        {"records_held_during_check", RecordsHeldDuringCheck().data()},
        {"account_requests", AccountRequests(0).data()},
        {"account_requests_registration_closed", AccountRequests(kRegistrationClosed).data()},
        {"busy_queue", BusyQueue().data()},
        {"channels", Channels().data()},
        {"contacts", Contacts().data()},
        {"profiles", Profiles().data()},
        {"change_email", ChangeEmail().data()},
        {"raw_records_and_bytes", RawRecordsAndBytes().data()},
    };
}

} // namespace quor::fuzz
