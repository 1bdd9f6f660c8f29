// SPDX-License-Identifier: MIT
#include "Reconnector.h"

#include "FillFields.h"

#include "hbQuorApi.h"
#include "hbQuorErrors.h"

#include <algorithm>

namespace hbquor::client {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

namespace {

/// A busy server refuses a logon as "login invalid" too, so a retry refused
/// that way is tried this many times more; a password changed elsewhere
/// then costs fewer failures than the server's login throttle forgives.
constexpr int LoginInvalidAllowance = 2;

QString N(long long number) {
    return QString::number(number);
}

} // namespace

Reconnector::Reconnector(Hooks hooks, QString server, ReconnectBackoff backoff, Clock clock)
    : FHooks(std::move(hooks)), FServer(std::move(server)), FBackoff(std::move(backoff)),
      FClock(clock ? std::move(clock) : Clock([] { return steady_clock::now(); })) {
    FTimer.setSingleShot(true);
    QObject::connect(&FTimer, &QTimer::timeout, &FTimer, [this] { Poll(); });
}

void Reconnector::LoggingOn(const QString &name, const QString &password) {
    StopRetrying();
    FName = name;
    FPassword = password;
    FChannels.Clear();
    FAttempt = 0;
    FLoginRefusals = 0;
}

void Reconnector::LoggingOff() {
    StopRetrying();
    FPassword.clear();
    FChannels.Clear();
    FAttempt = 0;
}

void Reconnector::StopRetrying() {
    if (Retrying())
        FHooks.Log(tr("Reconnecting stopped"));
    FTimer.stop();
    FState = State::Idle;
}

void Reconnector::Connected() {
    const bool retried = FState == State::Attempting;
    FState = State::Online;
    FOnlineSince = FClock();
    FLoginRefusals = 0;
    if (!retried)
        return;
    // Rejoining records each channel again; the copy stays as it was.
    const QList<JoinedChannel> channels = FChannels.List();
    for (const JoinedChannel &channel : channels)
        FHooks.Rejoin(channel);
}

void Reconnector::Disconnected(bool connectionLost) {
    // A retry's connection that closes before its logon is answered is a
    // failed attempt.
    if (FState == State::Attempting && connectionLost) {
        RetryLater(tr("the connection closed"));
        return;
    }
    if (FState != State::Online)
        return;
    FState = State::Idle;
    if (!connectionLost || !FEnabled || FPassword.isEmpty())
        return;
    // A connection that falls again soon after a retry counts on from that
    // retry, so a server that takes logons and drops them is not asked
    // again every second.
    if (FClock() - FOnlineSince >= ReconnectBackoff::Longest)
        FAttempt = 0;
    ScheduleNext();
    FHooks.Log(
        FillFields(tr("Connection lost - reconnecting to %s in %s s"), {FServer, SecondsToNext()}));
}

Reconnector::Failure Reconnector::LoginFailed(int code, const QString &errText) {
    if (FState != State::Attempting)
        return Failure::NotARetry;
    const bool maybeBusy =
        code == QUOR_ERR_LOGIN_INVALID && ++FLoginRefusals <= LoginInvalidAllowance;
    if (!WorthRetrying(code) && !maybeBusy) {
        FState = State::Idle;
        FHooks.Log(FillFields(tr("Reconnect attempt %d to %s refused: %d %s - no more attempts"),
                              {N(FAttempt), FServer, N(code), errText}));
        return Failure::GaveUp;
    }
    RetryLater(N(code) + QLatin1Char(' ') + errText);
    return Failure::RetryLater;
}

void Reconnector::RetryLater(const QString &reason) {
    const int failed = FAttempt;
    ScheduleNext();
    FHooks.Log(FillFields(tr("Reconnect attempt %d to %s failed: %s - next attempt in %s s"),
                          {N(failed), FServer, reason, SecondsToNext()}));
}

bool Reconnector::WorthRetrying(int code) {
    // Connections that could not be made, and failures of the program's
    // own state; every refusal by the server says trying again is no use.
    return code < 0 || code >= 10000 || code == QUOR_ERR_CONNECT || code == QUOR_ERR_TLS_HANDSHAKE;
}

void Reconnector::ScheduleNext() {
    ++FAttempt;
    const milliseconds delay = FBackoff.Delay(FAttempt);
    FDue = FClock() + delay;
    FState = State::Waiting;
    FTimer.start(delay);
    FHooks.ShowRetrying();
}

QString Reconnector::SecondsToNext() const {
    const auto left = std::chrono::ceil<milliseconds>(FDue - FClock()).count();
    return N((std::max<long long>(left, 0) + 999) / 1000);
}

void Reconnector::Poll() {
    if (FState != State::Waiting)
        return;
    const steady_clock::time_point now = FClock();
    if (now < FDue) {
        FTimer.start(std::chrono::ceil<milliseconds>(FDue - now));
        return;
    }
    FState = State::Attempting;
    const int result = FHooks.LogOn(FName, FPassword);
    // A logon that could not even start raised no failure of its own.
    if (result < 0 && FState == State::Attempting)
        LoginFailed(result, QString::fromStdString(hbquor::ErrorText(result)));
}

} // namespace hbquor::client
