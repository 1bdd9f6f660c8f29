// SPDX-License-Identifier: MIT
// VrtClock: the main window's clock. It tells the current VRT time (UTC
// minus two hours) from a time source that tests replace, and shows it on
// the clock panel in the time base the user chose: the hour and minute as
// the caption, the base's name ("Virtual Reality Time:" in VRT) and the
// long date as the two-line hint, each set only when it changes, so the
// panel changes once a minute although it ticks every second.
#pragma once

#include "TimeText.h"

#include <functional>

class QLabel;

class VrtClock {
public:
    /// The current VRT time as a day count.
    using TimeSource = std::function<double()>;

    /// Shows the time on panel (which must outlive the clock); without a
    /// time source the session layer's VRT clock is used.
    explicit VrtClock(QLabel *panel, TimeSource now = {});

    double Now() const { return FNow(); }
    const TimeSource &Source() const { return FNow; }

    /// The time base the panel shows; until the first tick the panel reads
    /// the base's zone name followed by "..." and the hint names the base.
    void SetTimeText(const TimeText &times);

    /// One tick: the panel's caption and hint for the current time.
    void Tick();

private:
    QLabel *FPanel;
    TimeSource FNow;
    TimeText FTimes;
};
