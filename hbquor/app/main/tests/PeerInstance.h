// SPDX-License-Identifier: MIT
// A second instance of the program for tests with two users: the peer
// window process (PeerWindow.cpp), asked one command at a time while the
// test's own process keeps its library running. Lists in its answers are
// joined with kSeparator.
#pragma once

#include "hbQuorPump.h"
#include "pump_until.h"

#include <QProcess>
#include <QString>

#include <functional>

inline const QChar kSeparator(0x1F);

class PeerInstance {
public:
    explicit PeerInstance(int port) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        FProcess.setProcessEnvironment(environment);
        FProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        FProcess.start(QStringLiteral(HBQUOR_PEER_PATH), {QString::number(port)});
    }

    bool Started() { return FProcess.waitForStarted(5000); }

    /// Sends one command and returns its one-line answer (empty on time-out).
    QString Ask(const QString &command) {
        FProcess.write(command.toUtf8() + '\n');
        const bool answered = quor::testing::PumpUntil(
            [this] {
                if (!FProcess.canReadLine())
                    FProcess.waitForReadyRead(5);
                return FProcess.canReadLine();
            },
            5000, hbquor::PumpPending);
        return answered ? QString::fromUtf8(FProcess.readLine()).chopped(1) : QString();
    }

    /// Asks until the answer passes the check, at most rounds times; false
    /// when it never did.
    bool AwaitAnswer(const QString &command, const std::function<bool(const QString &)> &check,
                     int rounds = 100) {
        for (int round = 0; round < rounds; ++round) {
            if (check(Ask(command)))
                return true;
            quor::testing::PumpFor(20, hbquor::PumpPending);
        }
        return false;
    }

    bool AwaitLogLine(const QString &line, int rounds = 100) {
        return AwaitAnswer(
            QStringLiteral("log"),
            [&](const QString &log) { return log.split(kSeparator).contains(line); }, rounds);
    }

    /// Closes its input and waits for a clean exit.
    int Finish() {
        FProcess.closeWriteChannel();
        if (!FProcess.waitForFinished(10000)) {
            FProcess.kill();
            FProcess.waitForFinished();
            return -1;
        }
        return FProcess.exitStatus() == QProcess::NormalExit ? FProcess.exitCode() : -1;
    }

private:
    QProcess FProcess;
};
