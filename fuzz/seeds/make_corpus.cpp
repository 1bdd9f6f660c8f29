// SPDX-License-Identifier: MIT
// Writes the seed corpus of the fuzz targets: hand-made server records of
// every kind the client understands, in the input layouts of the targets.
//
//   fuzz_make_corpus OUT_DIR
//
// creates OUT_DIR/fuzz_session_stream/, OUT_DIR/fuzz_fields/ and
// OUT_DIR/fuzz_server_requests/ and fills them. The checked-in corpus under fuzz/corpus/ is this
// program's output.
#include "fields_input.h"
#include "quor_wire/protocol_ids.h"
#include "scripted_server.h"
#include "server_seeds.h"
#include "session_stream_input.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

using namespace quor;
using namespace quor::wire;
using namespace quor::fuzz;
using quor::testing::MakeList;
using quor::testing::MakeRecord;
using quor::testing::MakeText;

namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path &path, const std::vector<std::uint8_t> &bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

void WriteFile(const fs::path &path, const ByteWriter &out) {
    WriteFile(path, out.data());
}

// ---- Session stream seeds ----

// A record with a raw text at data offset 0, as ids 210 and 600 carry it.
QuorMessage MakeRaw(std::int32_t id, std::string_view text) {
    QuorMessage m = MakeRecord(id, "$server", "me");
    m.setRawText(text);
    return m;
}

class StreamSeeds {
public:
    explicit StreamSeeds(fs::path dir) : dir_(std::move(dir)) { fs::create_directories(dir_); }

    // A seed whose records each arrive in one whole read.
    void Add(const std::string &name, const std::vector<QuorMessage> &records,
             StreamHeader header = {}) {
        ByteWriter out;
        WriteStreamHeader(out, header);
        for (const QuorMessage &record : records) {
            WriteChunk(out, record.bytes);
        }
        WriteFile(dir_ / name, out);
    }

    // A seed of one record cut into reads of the given sizes.
    void AddSplit(const std::string &name, const QuorMessage &record,
                  std::initializer_list<std::size_t> reads, StreamHeader header = {}) {
        ByteWriter out;
        WriteStreamHeader(out, header);
        std::size_t pos = 0;
        for (std::size_t n : reads) {
            WriteChunk(out, std::span<const std::uint8_t>(record.bytes).subspan(pos, n));
            pos += n;
        }
        WriteFile(dir_ / name, out);
    }

private:
    fs::path dir_;
};

StreamHeader Situation(StreamSituation situation) {
    StreamHeader header;
    header.situation = situation;
    return header;
}

std::vector<std::string> ManyNames(int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        names.push_back("contact" + std::to_string(i));
    }
    return names;
}

void WriteStreamSeeds(const fs::path &dir) {
    StreamSeeds seeds(dir);
    const StreamHeader awaitingLogin = Situation(StreamSituation::AwaitingLoginReply);
    const QuorMessage accepted = MakeRecord(kLoggedOnUser, "$server", "me");

    seeds.Add("text_private", {MakeText("anna", "me", "hello there")});
    seeds.AddSplit("text_split_over_three_reads", MakeText("anna", "me", "split"),
                   {100, 0, 300, 76});
    seeds.Add("text_channel_and_broadcast", {MakeText("anna", "#lobby", "hi all"),
                                             MakeText("$server", "<BROADCAST>", "maintenance")});
    QuorMessage unterminated = MakeText("anna", "me", "");
    std::fill(unterminated.bytes.begin() + kSenderOffset, unterminated.bytes.end(), 'x');
    unterminated.setId(kText);
    unterminated.setFormat(0);
    seeds.Add("text_without_terminators", {unterminated});
    seeds.Add("offline_text", {MakeRecord(kOfflineText, "bob", "me", "sd",
                                          {std::string_view("while you were away"), 1700000000})});
    seeds.Add("welcome", {MakeRaw(600, "Welcome to the chat")});

    seeds.Add("login_accepted_then_messages",
              {accepted, MakeRaw(600, "Welcome"), MakeText("anna", "me", "hi")}, awaitingLogin);
    seeds.AddSplit("login_accepted_split", MakeRecord(kLoggedOnAdministrator, "$server", "me"),
                   {300, 176}, awaitingLogin);
    for (int refusal : {100, 107, 113}) {
        seeds.Add("login_refused_" + std::to_string(refusal),
                  {MakeRecord(refusal, "$server", "me", "ds", {1, std::string_view("me")})},
                  awaitingLogin);
    }

    QuorMessage unformattedPing = MakeRecord(kPing, "anna", "me", "d", {12345});
    unformattedPing.setFormat(0);
    seeds.Add("pings", {MakeRecord(kPing, "anna", "me", "d", {12345}), unformattedPing,
                        MakeRecord(kPingReply, "bob", "me", "d", {1700000000})});

    seeds.Add("list_names_two_parts", MakeList(kUnregisteredNames, ManyNames(60)));
    seeds.Add("list_names_empty", MakeList(kUnregisteredNames, {}));
    seeds.Add("list_channels",
              MakeList(kChannelList, {"#lobby,0,12", "#secret,1,3", "lobby,1", "#pw,2,7"}));
    seeds.Add("list_members", MakeList(kMemberList, {"#lobby", "anna", "bob"}));
    seeds.Add("list_members_channel_only", MakeList(kMemberList, {"#lobby"}));

    auto error = [](std::int32_t errorId, std::int32_t requestId, std::string_view name) {
        return MakeRecord(errorId, "$server", "me", "ds", {requestId, name});
    };
    QuorMessage bareError = MakeRecord(kErrUserUnavailable, "$server", "me");
    bareError.setFormat(0);
    seeds.Add("error_replies",
              {error(112, 302, "#lobby"), error(104, 302, "#x"), error(104, 999, "x"),
               error(103, 305, "ghost"), error(101, 2, "anna"), error(137, 2, "bob"),
               error(127, 318, ""), error(133, 403, "anna"), error(121, 317, "anna"), bareError});

    seeds.Add("profile_and_channel_info",
              {MakeRecord(kProfile, "$server", "me", "sssddddd",
                          {std::string_view("anna"), std::string_view("secret"),
                           std::string_view("anna@example.org"), 1, 1600000000, 1700000000, 0, 0}),
               MakeRecord(kChannelInfo, "$server", "me", "scss",
                          {std::string_view("#lobby"), std::uint8_t{1}, std::string_view("topic"),
                           std::string_view("owner anna")})});
    seeds.Add("channel_membership",
              {MakeRecord(kMembershipChange, "$server", "me", "dss",
                          {0, std::string_view("anna"), std::string_view("#lobby")}),
               MakeRecord(kMembershipChange, "$server", "me", "dss",
                          {1, std::string_view("anna"), std::string_view("#lobby")}),
               MakeRecord(kMembershipChange, "$server", "me", "dss",
                          {0, std::string_view("ME"), std::string_view("#lobby")}),
               MakeRecord(kInvitation, "$server", "me", "ss",
                          {std::string_view("#lobby"), std::string_view("anna")})});
    seeds.Add("status_notices",
              {MakeRecord(kContactStatus, "$server", "me", "sc",
                          {std::string_view("anna"), std::uint8_t{1}}),
               MakeRecord(kOnlineStatus, "$server", "me", "sc",
                          {std::string_view("bob"), std::uint8_t{2}}),
               MakeRecord(kProfileChanged, "$server", "me", "s", {std::string_view("anna")}),
               MakeRaw(210, "bob")});
    seeds.Add("email_changed_closes",
              {MakeRecord(kEmailChanged, "$server", "me"), MakeText("anna", "me", "late")});

    const StreamHeader awaitingAccount = Situation(StreamSituation::AwaitingAccountReply);
    const StreamHeader awaitingPassword = Situation(StreamSituation::AwaitingPasswordReply);
    seeds.Add("account_created", {MakeRecord(kAccountCreated, "$server", "")}, awaitingAccount);
    seeds.Add("account_refused", {error(129, 5, "anna")}, awaitingAccount);
    seeds.AddSplit("account_reply_partial", MakeRecord(kAccountCreated, "$server", ""), {100, 376},
                   awaitingAccount);
    seeds.Add("password_sent", {MakeRecord(kPasswordMailed, "$server", "")}, awaitingPassword);
    seeds.Add("password_refused", {error(132, 6, "anna")}, awaitingPassword);

    StreamHeader answering = awaitingLogin;
    answering.answerWithRequests = true;
    seeds.Add("callbacks_answer_with_requests",
              {accepted, MakeText("anna", "me", "ping me"),
               MakeRecord(kInvitation, "$server", "me", "ss",
                          {std::string_view("#lobby"), std::string_view("anna")})},
              answering);
    StreamHeader refusedAnswering = answering;
    seeds.Add("callbacks_answer_refusal_with_new_session",
              {MakeRecord(kErrLoginInvalid, "$server", "me", "ds", {1, std::string_view("me")}),
               MakeText("anna", "me", "never seen")},
              refusedAnswering);
    StreamHeader accountAnswering = Situation(StreamSituation::AwaitingAccountReply);
    accountAnswering.answerWithRequests = true;
    seeds.Add("callbacks_answer_account_reply_with_new_session",
              {MakeRecord(kAccountCreated, "$server", "")}, accountAnswering);
    StreamHeader evenEmpty;
    evenEmpty.emptySlots = kEvenSlots;
    seeds.Add("lists_with_empty_slots",
              {MakeList(kUnregisteredNames, {"anna"}).front(),
               MakeList(kChannelList, {"#lobby,0,1"}).front(),
               MakeList(kMemberList, {"#lobby", "anna"}).front(),
               MakeText("anna", "me", "unheard")},
              evenEmpty);
    StreamHeader oddEmpty;
    oddEmpty.emptySlots = kOddSlots;
    seeds.Add("texts_with_empty_slots",
              {MakeText("anna", "#lobby", "unheard"),
               MakeRecord(kOnlineStatus, "$server", "me", "sc",
                          {std::string_view("bob"), std::uint8_t{1}})},
              oddEmpty);
    StreamHeader destroying;
    destroying.reentrantCallback = 2;
    seeds.Add("callback_destroys_session", MakeList(kUnregisteredNames, {"anna", "bob", "carol"}),
              destroying);
    StreamHeader terminating;
    terminating.reentrantCallback = 1;
    terminating.terminateInsteadOfDestroy = true;
    seeds.Add("callback_terminates_library",
              {MakeText("anna", "me", "one"), MakeText("anna", "me", "two")}, terminating);
}

// ---- Field codec seeds ----

struct FieldsSeed {
    std::string name;
    std::int32_t id;
    std::string signature;
    std::vector<PackValue> values;
};

PackValue C(std::uint8_t v) {
    return {'c', v, 0, {}};
}
PackValue D(std::int32_t v) {
    return {'d', 0, v, {}};
}
PackValue S(std::string v) {
    return {'s', 0, 0, std::move(v)};
}

void WriteFieldsSeeds(const fs::path &dir) {
    fs::create_directories(dir);
    const std::vector<FieldsSeed> seeds = {
        {"opening_ssdd", 1, "ssdd", {S("anna"), S("secret"), D(14), D(1)}},
        {"name_s", 202, "s", {S("anna")}},
        {"ping_d", 500, "d", {D(12345)}},
        {"join_dsds", 302, "dsds", {D(0), S("#lobby"), D(1), S("pw")}},
        {"invitation_ss", 606, "ss", {S("#lobby"), S("anna")}},
        {"profile_sssddddd",
         403,
         "sssddddd",
         {S("anna"), S("secret"), S("anna@example.org"), D(1), D(1600000000), D(1700000000), D(0),
          D(0)}},
        {"profile_overflowing",
         403,
         "sssddddd",
         {S(std::string(200, 'a')), S(std::string(200, 'b')), S(std::string(200, 'c')), D(1), D(2),
          D(3), D(4), D(5)}},
        {"status_sc", 408, "sc", {S("anna"), C(3)}},
        {"offline_sd", 4, "sd", {S("while you were away"), D(1700000000)}},
        {"error_ds", 112, "ds", {D(302), S("#lobby")}},
        {"membership_dss", 602, "dss", {D(1), S("anna"), S("#lobby")}},
        {"channel_info_scss", 605, "scss", {S("#lobby"), C(2), S("topic"), S("info")}},
        {"unknown_letters", 999, "s?dx", {S(std::string("em\0bedded", 9)), D(-1)}},
    };
    for (const FieldsSeed &seed : seeds) {
        PackCase pack{seed.signature, seed.id, 1, seed.values};
        ByteWriter out;
        WriteParseCase(
            out, seed.signature,
            MakeRecord(seed.id, "$server", "me", seed.signature, AsFieldValues(seed.values)));
        WritePackCase(out, pack);
        WriteFile(dir / seed.name, out);
    }

    // List parts read with an empty signature.
    std::vector<std::string> names;
    for (int i = 0; i < 50; ++i) {
        names.push_back("member" + std::to_string(i));
    }
    const std::vector<QuorMessage> parts = MakeList(kMemberList, names);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        ByteWriter out;
        WriteParseCase(out, "", parts[i]);
        WritePackCase(out, {"s", 1, 1, {S("x")}});
        WriteFile(dir / ("list_items_" + std::to_string(i)), out);
    }
    ByteWriter channels;
    WriteParseCase(channels, "",
                   MakeList(kChannelList, {"#lobby,0,12", "lobby,1", "#pw,2,7"}).front());
    WritePackCase(channels, {"", 0, 0, {}});
    WriteFile(dir / "list_channels", channels);
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT_DIR\n", argv[0]);
        return 2;
    }
    const fs::path out = argv[1];
    WriteStreamSeeds(out / "fuzz_session_stream");
    WriteFieldsSeeds(out / "fuzz_fields");
    fs::create_directories(out / "fuzz_server_requests");
    for (const auto &[name, bytes] : ServerRequestSeeds()) {
        WriteFile(out / "fuzz_server_requests" / name, bytes);
    }
    return 0;
}
