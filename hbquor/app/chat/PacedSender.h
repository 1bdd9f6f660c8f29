// SPDX-License-Identifier: MIT
// PacedSender: sends many lines one after another at a pace the server
// accepts without holding the user's session back: a burst at once, then a
// steady number a second (a budget that refills, below the server's own of
// 50 records at once and 20 a second, leaving room for the session's other
// records). A line the send function refuses (the connection dropped)
// stops the sending; it and the lines after it are handed back. Qt Core
// only.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

/// Lines sent at once, and a second after that.
struct SendPace {
    int Burst = 40;
    int PerSecond = 16;
};

class PacedSender : public QObject {
    Q_OBJECT

public:
    /// Sends one line; false when it could not go out.
    using SendLine = std::function<bool(const QString &line)>;

    explicit PacedSender(SendLine send, SendPace pace = SendPace(), QObject *parent = nullptr);

    /// Starts sending lines, after any still going out.
    void Send(const QStringList &lines);
    /// Stops; the lines not yet sent are handed back with Finished.
    void Stop();
    bool IsSending() const { return !FLines.isEmpty(); }
    const QStringList &Remaining() const { return FLines; }

signals:
    /// Sending ended: every line went out (unsent empty), or the rest from
    /// the line that could not go out or from a Stop.
    void Finished(const QStringList &unsent);

private:
    /// Sends what the budget allows now and waits for the next line's turn.
    void SendDue();

    SendLine FSend;
    SendPace FPace;
    QStringList FLines;
    /// The budget in lines and when it was last refilled.
    double FTokens;
    QElapsedTimer FClock;
    qint64 FRefilledMs = 0;
    QTimer FNext;
};
