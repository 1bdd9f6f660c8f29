// SPDX-License-Identifier: MIT
// ThbQuorCentral: the two requests that need no logged-on session, account
// creation and password request, each on a connection of its own, and how
// each ends: with the server's answer, or lost when the connection closes
// or the answer is overdue.
#include "hbQuorCentral.h"

#include "hbQuorErrors.h"
#include "hbQuorGuard.h"

#include <optional>
#include <vector>

namespace hbquor {

namespace {

// Never sent: account creation needs a session, and a session a password.
constexpr std::string_view kPlaceholderPassword = "-";

// Drops a request's connection so that no late answer can arrive for it.
void DropConnection(QUORHANDLE handle) {
    GuardLibraryCall([&] { quor_destroy(handle); });
}

} // namespace

std::chrono::steady_clock::time_point ThbQuorCentral::AnswerDeadline() const {
    return FClock() + kAccountAnswerTimeout;
}

int ThbQuorCentral::CreateUser(std::string_view name, std::string_view email) {
    ThbQuorUnit *session = FindByName(name);
    if (!session) {
        AddLogin(name, kPlaceholderPassword);
        session = FindByName(name);
    }
    if (!session || !session->IsIdle())
        return kResultBadRequest;

    QUORHANDLE handle = nullptr;
    if (GuardLibraryCall([&] { handle = quor_create(); }))
        return kResultBadRequest;
    session->FHandle = handle;
    if (!handle)
        return quor_getlasterror();

    session->FEmail = std::string(email);
    session->FAccountCreationHandle = handle;
    session->FAccountCreationDeadline = AnswerDeadline();
    int result = quor_createuser(handle, session->FName.c_str(), session->FEmail.c_str());
    // On success the session waits idle for the answer, which removes it.
    if (result != 0)
        RemoveLogin(std::string(session->FName));
    return result;
}

int ThbQuorCentral::RequestPassword(std::string_view name, std::string_view email) {
    if (FPasswordRequestHandle)
        return kResultBadRequest;
    QUORHANDLE handle = nullptr;
    if (GuardLibraryCall([&] { handle = quor_create(); }))
        return kResultBadRequest;
    if (!handle)
        return quor_getlasterror();
    FPasswordRequestHandle = handle;
    FPasswordRequestDeadline = AnswerDeadline();
    const std::string userName(name);
    const std::string userEmail(email);
    int result = quor_reqpassword(handle, userName.c_str(), userEmail.c_str());
    if (result != 0) {
        // The handle is left to the library, which reclaims idle sessions.
        FPasswordRequestHandle = nullptr;
    } else {
        FPasswordRequestName = userName;
        FPasswordRequestEmail = userEmail;
    }
    return result;
}

void ThbQuorCentral::HandleCreateUser(QUORHANDLE h, int result) {
    FinishCreateUser(h, result);
}

void ThbQuorCentral::HandleReqPassword(QUORHANDLE /*h*/, int result) {
    FinishPasswordRequest(result);
}

void ThbQuorCentral::FinishCreateUser(QUORHANDLE h, std::optional<int> answer) {
    ThbQuorUnit *session = FindByHandle(h);
    if (!session)
        return;
    const std::string name = session->FName;
    const std::string email = session->FEmail;
    session->FAccountCreationHandle = nullptr;
    if (answer)
        FOnCreateUserResult(ErrorText(*answer), *answer, name, email);
    else
        RaiseAccountRequestLost(AccountRequestKind::CreateUser, name, email);
    // The temporary session has served its purpose; a handler may already
    // have removed it or started to use it for a login.
    session = FindByHandle(h);
    if (session && session->IsIdle())
        RemoveLogin(name);
}

void ThbQuorCentral::FinishPasswordRequest(std::optional<int> answer) {
    if (!FPasswordRequestHandle)
        return;
    if (answer)
        FOnPasswordRequestResult(ErrorText(*answer), *answer, FPasswordRequestName,
                                 FPasswordRequestEmail);
    else
        RaiseAccountRequestLost(AccountRequestKind::RequestPassword, FPasswordRequestName,
                                FPasswordRequestEmail);
    FPasswordRequestHandle = nullptr;
    FPasswordRequestName.clear();
    FPasswordRequestEmail.clear();
}

void ThbQuorCentral::RaiseAccountRequestLost(AccountRequestKind kind, const std::string &name,
                                             const std::string &email) {
    const int code = QUOR_ERR_CONNECT;
    const std::string errText = ErrorText(code);
    if (FOnAccountRequestLost.Assigned())
        FOnAccountRequestLost(kind, errText, code, name, email);
    else if (kind == AccountRequestKind::CreateUser)
        FOnCreateUserResult(errText, code, name, email);
    else
        FOnPasswordRequestResult(errText, code, name, email);
}

void ThbQuorCentral::ExpireAccountRequests() {
    const auto now = FClock();
    if (FPasswordRequestHandle && now >= FPasswordRequestDeadline) {
        DropConnection(FPasswordRequestHandle);
        FinishPasswordRequest(std::nullopt);
    }
    // Handlers may change the session list, so the overdue handles are
    // collected first and each is looked up again before it is ended.
    std::vector<QUORHANDLE> overdue;
    for (const auto &entry : FSessions) {
        const ThbQuorUnit &session = *entry.second;
        if (session.AwaitsAccountCreation() && now >= session.FAccountCreationDeadline)
            overdue.push_back(session.FHandle);
    }
    for (QUORHANDLE handle : overdue) {
        ThbQuorUnit *session = FindByHandle(handle);
        if (!session || !session->AwaitsAccountCreation())
            continue;
        DropConnection(handle);
        FinishCreateUser(handle, std::nullopt);
    }
}

} // namespace hbquor
