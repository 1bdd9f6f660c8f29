// SPDX-License-Identifier: MIT
// ThbQuorUnit: construction, queries, failure reports, connecting and
// disconnecting.
#include "hbQuorUnit.h"

#include "hbQuorErrors.h"
#include "hbQuorGuard.h"
#include "quor_names/names.h"

namespace hbquor {

namespace {

const std::string kWhereConnect = "ThbQuorUnit.Connect";
// The report text keeps the historical spelling the log readers know.
const std::string kWhereDisconnect = "ThbQuorUnit.Disonnect";

} // namespace

QuorUserStatus MapUserStatus(int status) {
    if (status >= 0 && status <= 3)
        return static_cast<QuorUserStatus>(status);
    return QuorUserStatus::Pending;
}

ThbQuorUnit::ThbQuorUnit(std::string_view name, std::string_view password)
    : FName(name), FLoginName(name), FPassword(password) {}

ThbQuorUnit::~ThbQuorUnit() {
    Disconnect();
    FContacts.clear();
    FChannels.clear();
}

std::string ThbQuorUnit::LoginName() const {
    return quor::SameNameIgnoringCase(FLoginName, FName) ? FLoginName : FName;
}

void ThbQuorUnit::Report(const std::string &where, const std::string &what, int code) {
    FOnError(this, where, what, code, ErrorText(code));
}

int ThbQuorUnit::ReportLastError(const std::string &where, const std::string &what) {
    int code = quor_getlasterror();
    Report(where, what, code);
    return code;
}

std::optional<int> ThbQuorUnit::CallLibrary(const std::string &where, const std::string &what,
                                            const std::function<int()> &call,
                                            const std::function<void()> &beforeReport) {
    int result = kResultBadRequest;
    std::optional<std::string> fault = GuardLibraryCall([&] { result = call(); });
    if (!fault)
        return result;
    if (beforeReport)
        beforeReport();
    FOnError(this, where, what, kResultBadRequest, *fault);
    return std::nullopt;
}

int ThbQuorUnit::CallReportingLastError(const std::string &where, const std::string &what,
                                        const std::function<int()> &call,
                                        const std::function<void()> &whenRefused) {
    auto result = CallLibrary(where, what, call, whenRefused);
    if (!result)
        return kResultBadRequest;
    if (*result == 0)
        return 0;
    if (whenRefused)
        whenRefused();
    return ReportLastError(where, what);
}

void ThbQuorUnit::SetIdle() {
    FHandle = nullptr;
    FState = SessionState::Idle;
    FLostConnection = false;
}

int ThbQuorUnit::Connect() {
    if (FState == SessionState::Connecting || FState == SessionState::Connected)
        return kResultAlreadyConnecting;
    FLostConnection = false;
    MarkContactsPending();
    return FHandle ? ConnectLeftOverHandle() : ConnectNewHandle();
}

int ThbQuorUnit::ConnectNewHandle() {
    auto dropHandle = [this] {
        FInLoginCall = false;
        SetIdle();
    };
    auto created = CallLibrary(
        kWhereConnect, "QuorCreate " + FName,
        [this] {
            FHandle = quor_create();
            return 0;
        },
        dropHandle);
    if (!created)
        return kResultBadRequest;
    if (!FHandle) {
        SetIdle();
        return ReportLastError(kWhereConnect, "QuorCreate " + FName);
    }

    FInLoginCall = true;
    FLoginResult = 0;
    if (!quor::SameNameIgnoringCase(FLoginName, FName))
        FLoginName = FName;
    auto loggedIn = CallLibrary(
        kWhereConnect, "QuorLogin " + FName,
        [this] { return quor_login(FHandle, FLoginName.c_str(), FPassword.c_str()); }, dropHandle);
    FInLoginCall = false;
    if (!loggedIn)
        return kResultBadRequest;

    // A login result delivered while quor_login ran has already reset the
    // handle and state; its code is what the caller must see. A refusal by
    // quor_login itself only says "failed" (1); the reason, such as a
    // socket error, is in the library's last error.
    int result = FLoginResult != 0 ? FLoginResult : *loggedIn;
    if (FLoginResult == 0 && result == 1 && quor_getlasterror() != 0)
        result = quor_getlasterror();
    if (result != 0) {
        // The handle is left to the library, which reclaims idle sessions.
        SetIdle();
        return result;
    }
    // An acceptance delivered during the call has already connected it.
    if (FState != SessionState::Connected)
        FState = SessionState::Connecting;
    return 0;
}

int ThbQuorUnit::ConnectLeftOverHandle() {
    int result = CallReportingLastError(
        kWhereConnect, "QuorLogin " + FName,
        [this] { return quor_login(FHandle, FName.c_str(), FPassword.c_str()); },
        [this] { SetIdle(); });
    if (result == 0)
        FState = SessionState::Connecting;
    return result;
}

int ThbQuorUnit::Disconnect() {
    bool active = FState == SessionState::Connecting || FState == SessionState::Connected;
    if (!active || !FHandle) {
        SetIdle();
        return 0;
    }
    QUORHANDLE handle = FHandle;
    int result = CallReportingLastError(
        kWhereDisconnect, "QuorDestroy " + FName, [handle] { return quor_destroy(handle); },
        [this] { SetIdle(); });
    SetIdle();
    return result;
}

} // namespace hbquor
