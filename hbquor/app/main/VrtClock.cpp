#include "VrtClock.h"

#include "VrtText.h"

#include "hbQuorTime.h"

#include <QLabel>

VrtClock::VrtClock(QLabel *panel, TimeSource now)
    : FPanel(panel), FNow(now ? std::move(now) : TimeSource([] { return hbquor::VrtNow(); })) {}

void VrtClock::Tick() {
    const double now = FNow();
    const QString caption = FormatVrtHourMinute(now);
    if (FPanel->text() != caption)
        FPanel->setText(caption);
    const QString hint = QStringLiteral("Virtual Reality Time:\n") + FormatVrtDate(now);
    if (FPanel->toolTip() != hint)
        FPanel->setToolTip(hint);
}
