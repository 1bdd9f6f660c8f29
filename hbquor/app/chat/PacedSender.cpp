// SPDX-License-Identifier: MIT
#include "PacedSender.h"

#include <algorithm>
#include <cmath>

PacedSender::PacedSender(SendLine send, SendPace pace, QObject *parent)
    : QObject(parent),
      FSend(std::move(send)), FPace{std::max(1, pace.Burst), std::max(1, pace.PerSecond)},
      FTokens(FPace.Burst) {
    FClock.start();
    FNext.setSingleShot(true);
    connect(&FNext, &QTimer::timeout, this, &PacedSender::SendDue);
}

void PacedSender::Send(const QStringList &lines) {
    FLines += lines;
    if (!FNext.isActive())
        SendDue();
}

void PacedSender::Stop() {
    FNext.stop();
    if (FLines.isEmpty())
        return;
    emit Finished(std::exchange(FLines, QStringList()));
}

void PacedSender::SendDue() {
    const qint64 now = FClock.elapsed();
    FTokens =
        std::min<double>(FPace.Burst, FTokens + (now - FRefilledMs) * FPace.PerSecond / 1000.0);
    FRefilledMs = now;
    while (!FLines.isEmpty() && FTokens >= 1) {
        if (!FSend(FLines.first())) {
            Stop();
            return;
        }
        FLines.removeFirst();
        FTokens -= 1;
    }
    if (FLines.isEmpty()) {
        emit Finished({});
        return;
    }
    const double wait = (1 - FTokens) * 1000.0 / FPace.PerSecond;
    FNext.start(static_cast<int>(std::ceil(wait)));
}
