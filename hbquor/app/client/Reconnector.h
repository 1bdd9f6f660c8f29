// SPDX-License-Identifier: MIT
// Reconnector: logs the user on again after the server closed the
// connection or the connection broke. Between attempts it waits as
// ReconnectBackoff says (1, 2, 4 ... at most 60 s), it writes one line per
// attempt, and after a successful one it rejoins the channels that were
// open, with their passwords, which reopens their windows.
//
// Nothing is retried after a Logoff, a logon as another name, the close that
// ends a changed e-mail address or a refused logon; a retry the server
// refuses (the user logged on elsewhere, an untrusted certificate) ends the
// retries, and so does a third "login invalid" (a busy server answers so
// too; a password changed elsewhere does for good). Logoff and Logon by the
// user cancel them.
// The password of the retries is the one the user logged on with, kept in
// memory for the run only.
//
// The time comes from an injectable clock. The wait is a single-shot timer
// that calls Poll, which does nothing before the clock says the attempt is
// due; tests move their clock and call Poll themselves.
#pragma once

#include "JoinedChannels.h"
#include "ReconnectBackoff.h"

#include <QCoreApplication>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>

namespace hbquor::client {

class Reconnector {
    Q_DECLARE_TR_FUNCTIONS(Reconnector)

public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    /// What the reconnector does through the client core.
    struct Hooks {
        /// Writes one line to the log pane.
        std::function<void(const QString &line)> Log;
        /// Logs on with the name and password, keeping the session and the
        /// contact list; returns the session manager's Login result, or -1
        /// when nothing was started.
        std::function<int(const QString &name, const QString &password)> LogOn;
        /// Tells that retries go on (the window shows the connecting look).
        std::function<void()> ShowRetrying;
        /// Reopens the channel's window and joins it.
        std::function<void(const JoinedChannel &channel)> Rejoin;
    };

    /// What became of a failed logon.
    enum class Failure {
        NotARetry,  ///< the user's own logon: reported as always
        RetryLater, ///< a retry that failed; the next one is scheduled
        GaveUp,     ///< a retry the server refused; retries are over
    };

    /// server names the chat server in the lines (host:port).
    Reconnector(Hooks hooks, QString server, ReconnectBackoff backoff = ReconnectBackoff(),
                Clock clock = {});
    Reconnector(const Reconnector &) = delete;
    Reconnector &operator=(const Reconnector &) = delete;

    /// The chat server the lines name (host:port).
    void SetServer(QString server) { FServer = std::move(server); }
    /// AutoReconnect: without it, a lost connection stays lost.
    void SetEnabled(bool enabled) { FEnabled = enabled; }

    /// The channels to rejoin; the client core records each join and each
    /// channel the user leaves while connected.
    JoinedChannels &Channels() { return FChannels; }

    // ---- What the user does ----
    /// A logon by the user: retries stop, the name and password are kept
    /// for later ones, the joined channels forgotten.
    void LoggingOn(const QString &name, const QString &password);
    /// A logoff by the user: retries stop, password and channels are
    /// forgotten.
    void LoggingOff();

    // ---- What the session tells ----
    /// The logon succeeded; after a retry the channels are rejoined.
    void Connected();
    /// The session went idle; connectionLost when the server closed the
    /// connection or it broke. Starts the retries when they apply; during
    /// a retry's logon it is that attempt failing.
    void Disconnected(bool connectionLost);
    /// A logon failed with code; a retry writes its line here.
    Failure LoginFailed(int code, const QString &errText);

    /// Retries are under way: waiting for the next, or one running.
    bool Retrying() const { return FState == State::Waiting || FState == State::Attempting; }
    /// A retry's logon is running; its progress is not the user's logon.
    bool Attempting() const { return FState == State::Attempting; }

    /// Starts the attempt that is due, if one is.
    void Poll();

private:
    enum class State { Idle, Online, Waiting, Attempting };

    /// Schedules the next attempt and shows the window as retrying.
    void ScheduleNext();
    /// The running attempt failed for reason: schedules the next, with
    /// the attempt's line.
    void RetryLater(const QString &reason);
    /// Ends the retries; with a line when they were under way.
    void StopRetrying();
    /// Whether a logon failing with code may succeed when tried again.
    static bool WorthRetrying(int code);
    /// Seconds until the next attempt, rounded up, as a text.
    QString SecondsToNext() const;

    Hooks FHooks;
    QString FServer;
    ReconnectBackoff FBackoff;
    Clock FClock;
    bool FEnabled = true;
    State FState = State::Idle;
    QString FName;
    QString FPassword;
    JoinedChannels FChannels;
    int FAttempt = 0;
    /// Retries refused as "login invalid" since the last logon.
    int FLoginRefusals = 0;
    std::chrono::steady_clock::time_point FDue;
    /// When the latest logon succeeded.
    std::chrono::steady_clock::time_point FOnlineSince;
    QTimer FTimer;
};

} // namespace hbquor::client
