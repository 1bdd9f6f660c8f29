// SPDX-License-Identifier: MIT
// ThbQuorCentral: library lifetime, the session list and its lookups.
#include "hbQuorCentral.h"

#include "hbQuorErrors.h"
#include "hbQuorGuard.h"
#include "quor_names/names.h"

namespace hbquor {

namespace {

const std::string kWhereLogin = "ThbQuorCentral.Login";

} // namespace

ThbQuorCentral::ThbQuorCentral() = default;

ThbQuorCentral::~ThbQuorCentral() {
    // Only the registered manager clears the registration, so a second
    // manager whose Init failed cannot silence the working one.
    if (!RegisteredCentral() || RegisteredCentral() == this)
        RegisterCallbacks(nullptr);
    for (auto &entry : FSessions)
        entry.second.reset();
    FSessions.clear();
    if (FInitialised)
        quor_term();
}

int ThbQuorCentral::Init() {
    int result = quor_init(kQuorApiBuild);
    // A repeated Init fails with "already initialized"; the library this
    // object initialised before stays its to terminate.
    if (result == 0) {
        FInitialised = true;
        RegisterCallbacks(this);
    }
    return result;
}

void ThbQuorCentral::ForwardError(ThbQuorUnit *sender, const std::string &where,
                                  const std::string &what, int code, const std::string &errText) {
    FOnError(sender, where, what, code, errText);
}

ThbQuorUnit *ThbQuorCentral::FindByName(std::string_view name) {
    std::string wanted(quor::TrimName(name));
    if (wanted.empty())
        return nullptr;
    return WalkOwnedList(
        FSessions, [](ThbQuorUnit &s, int position) { s.FListPosition = position; },
        [&](const ThbQuorUnit &s) { return quor::SameNameIgnoringCase(s.FName, wanted); });
}

ThbQuorUnit *ThbQuorCentral::FindByHandle(QUORHANDLE handle) {
    if (!handle)
        return nullptr;
    return WalkOwnedList(
        FSessions, [](ThbQuorUnit &s, int position) { s.FListPosition = position; },
        [&](const ThbQuorUnit &s) { return s.FHandle == handle; });
}

bool ThbQuorCentral::HasLogin(std::string_view name) {
    return FindByName(name) != nullptr;
}

bool ThbQuorCentral::IsConnected(std::string_view name) {
    ThbQuorUnit *session = FindByName(name);
    return session && session->IsConnected();
}

bool ThbQuorCentral::IsIdle(std::string_view name) {
    ThbQuorUnit *session = FindByName(name);
    return session && session->IsIdle();
}

bool ThbQuorCentral::AddLogin(std::string_view name, std::string_view password) {
    std::string userName(quor::TrimName(name));
    std::string userPassword(quor::TrimName(password));
    if (userName.empty() || userPassword.empty())
        return false;
    if (ThbQuorUnit *existing = FindByName(userName)) {
        if (existing->FState == SessionState::Connecting ||
            existing->FState == SessionState::Connected)
            return false;
        existing->FName = userName;
        existing->FPassword = userPassword;
        return true;
    }
    auto session = std::make_unique<ThbQuorUnit>(userName, userPassword);
    session->SetOnError(this, &ThbQuorCentral::ForwardError);
    FSessions.emplace_back(userName, std::move(session));
    return true;
}

int ThbQuorCentral::Login(std::string_view name, std::string_view password) {
    std::string userName(quor::TrimName(name));
    std::string userPassword(quor::TrimName(password));
    if (userName.empty() || userPassword.empty()) {
        FOnError(nullptr, kWhereLogin, "", kResultBadRequest, "User name or password are empty");
        return kResultBadRequest;
    }
    if (!AddLogin(userName, userPassword)) {
        FOnError(nullptr, kWhereLogin, "", kResultBadRequest,
                 "User is already connecting or connected");
        return kResultBadRequest;
    }
    ThbQuorUnit *session = FindByName(userName);
    session->FLoginName = userName;
    session->FPassword = userPassword;

    int result = session->Connect();
    if (result == 0) {
        FOnConnecting(session);
    } else if (result > 0) {
        if (FOnLoginFailed.Assigned())
            FOnLoginFailed(session, ErrorText(result), result);
        else
            FOnConnected(session);
    } else {
        FOnError(session, kWhereLogin + " " + userName, "ThbQuorUnit.Connect " + userName, result,
                 "already connecting or connected");
    }
    return result;
}

int ThbQuorCentral::Logout(std::string_view name) {
    ThbQuorUnit *session = FindByName(name);
    if (!session)
        return kResultBadRequest;
    int result = session->Disconnect();
    if (result == 0)
        FOnDisconnected(session);
    return result;
}

void ThbQuorCentral::DisconnectReporting(ThbQuorUnit *session) {
    int result = session->Disconnect();
    if (result != 0) {
        const std::string &name = session->FName;
        FOnError(session, "ThbQuorCentral.ClearLoggins " + name, "ThbQuorUnit.Disconnect " + name,
                 result, ErrorText(result));
    }
}

void ThbQuorCentral::RemoveSession(const ThbQuorUnit *session) {
    EraseOwnedEntry(FSessions, session, session->FListPosition);
}

bool ThbQuorCentral::RemoveLogin(std::string_view name) {
    ThbQuorUnit *session = FindByName(name);
    if (!session)
        return false;
    if (!session->IsIdle()) {
        DisconnectReporting(session);
        // A report handler may have changed the list; find the entry again.
        session = FindByName(name);
        if (!session)
            return true;
    }
    RemoveSession(session);
    return true;
}

void ThbQuorCentral::ClearLoggins() {
    // Taken out of the list first, so handlers of the reports below never
    // meet a session that is half destroyed.
    TSessionList sessions;
    sessions.swap(FSessions);
    for (auto &entry : sessions) {
        if (!entry.second->IsIdle())
            DisconnectReporting(entry.second.get());
        entry.second.reset();
    }
}

} // namespace hbquor
