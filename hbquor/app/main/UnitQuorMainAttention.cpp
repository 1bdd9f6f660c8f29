// The main window's glue for what catches the user's attention: the time
// base and chat time stamps, the alerts, and the lines of conversations
// kept for windows opened later.
#include "UnitQuorMain.h"

#include "UnitQuorChat.h"

void TFormQuorMain::ApplyAttentionSettings() {
    const TimeText times(FSettings.TimeMode);
    FClock.SetTimeText(times);
    FLog.SetTimeText(times);
    FLines.SetChatTimes(FSettings.ChatTimes);
    FAlerts->SetEnabled(FSettings.Notify);
}

void TFormQuorMain::ConversationLine(const QString &peer, const QString &line, bool toOpenWindow) {
    const double now = FLog.Now();
    FHistory.Add(peer, line, now);
    if (!toOpenWindow)
        return;
    if (TFormQuorChat *window = FTalkWindows.FindChatWindow(peer))
        window->AddLine(FLines.PaneLine(line, now));
}

void TFormQuorMain::ReplayConversation(TFormQuorChat &window, const QString &peer) {
    for (const ConversationHistory::Line &line : FHistory.LinesWith(peer))
        window.AddLine(FLines.PaneLine(line.Text, line.At));
}
