// The main window's handlers of the log: "Log Chat" and the scroll mode.
#include "UnitQuorMain.h"

void TFormQuorMain::mnuLogChatClick() {
    FLog.ToggleChatLog();
}

void TFormQuorMain::spbScrollingClick() {
    FLog.SetFrozen(!FLog.IsFrozen());
}
