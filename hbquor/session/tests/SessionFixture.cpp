// SPDX-License-Identifier: MIT
#include "SessionFixture.h"

#include "quor_wire/record.h"

namespace hbquor::testing {

void SessionTest::SetUp() {
    server.UseForLibrary();
    ASSERT_EQ(central.Init(), 0);
    events.Attach(central);
}

void ConnectedTest::SetUp() {
    SessionTest::SetUp();
    alice = LogIn("alice");
    ASSERT_TRUE(alice);
}

ThbQuorUnit *SessionTest::LogIn(const std::string &name, const std::string &password) {
    if (central.Login(name, password) != 0) {
        ADD_FAILURE() << "Login of " << name << " was refused at once";
        return nullptr;
    }
    if (!server.AcceptOpening(kLoginAccepted)) {
        ADD_FAILURE() << "the server never saw the login of " << name;
        return nullptr;
    }
    ThbQuorUnit *session = central.FindByName(name);
    if (!PumpUntil([&] { return session->IsConnected(); }, 3000, PumpPending)) {
        ADD_FAILURE() << name << " never became connected";
        return nullptr;
    }
    return session;
}

bool SessionTest::AwaitEvent(const std::string &line, int timeoutMs) {
    return PumpUntil([&] { return events.Has(line); }, timeoutMs, PumpPending);
}

std::optional<quor::QuorMessage> SessionTest::NextRecord(int timeoutMs) {
    return server.Read(timeoutMs);
}

std::optional<std::vector<std::string>> SessionTest::NextContactList() {
    std::vector<std::string> items;
    for (;;) {
        auto part = server.Read();
        if (!part || part->id() != kListOfContacts)
            return std::nullopt;
        for (std::string &item : quor::ListItems(*part))
            items.push_back(std::move(item));
        if (quor::ListFlags(*part) & quor::kListLast)
            return items;
    }
}

void SessionTest::CloseUnnoticed(ThbQuorUnit *session) {
    RegisterCallbacks(nullptr);
    server.Close();
    // Once the library has seen the close, it refuses requests.
    const bool closed = PumpUntil([&] { return quor_isonline(session->Handle(), "probe") != 0; },
                                  3000, PumpPending);
    RegisterCallbacks(&central);
    ASSERT_TRUE(closed);
}

} // namespace hbquor::testing
