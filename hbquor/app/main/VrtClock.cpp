// SPDX-License-Identifier: MIT
#include "VrtClock.h"

#include "hbQuorTime.h"

#include <QLabel>

VrtClock::VrtClock(QLabel *panel, TimeSource now)
    : FPanel(panel), FNow(now ? std::move(now) : TimeSource([] { return hbquor::VrtNow(); })) {}

void VrtClock::SetTimeText(const TimeText &times) {
    FTimes = times;
    const double now = FNow();
    FPanel->setText(FTimes.ZoneName(now) + QStringLiteral("..."));
    FPanel->setToolTip(FTimes.ClockName(now));
}

void VrtClock::Tick() {
    const double now = FNow();
    const QString caption = FTimes.HourMinute(now);
    if (FPanel->text() != caption)
        FPanel->setText(caption);
    const QString hint = FTimes.ClockName(now) + QStringLiteral(":\n") + FTimes.ShownLongDate(now);
    if (FPanel->toolTip() != hint)
        FPanel->setToolTip(hint);
}
