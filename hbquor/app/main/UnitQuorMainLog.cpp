// The main window's handlers of the log and the clock: "Log Chat", the
// scroll mode and the clock's tick.
#include "UnitQuorMain.h"

void TFormQuorMain::mnuLogChatClick() {
    FLog.ToggleChatLog();
}

void TFormQuorMain::spbScrollingClick() {
    FLog.SetFrozen(!FLog.IsFrozen());
}

void TFormQuorMain::Timer1Timer() {
    FClock.Tick();
}
