// The main window's side of the connection: the server it names, the lines
// on texts that were not sent, and what the retries after a lost connection
// do through the window.
#include "UnitQuorMain.h"

#include "MainCommands.h"

#include "hbQuorCentral.h"

ServerAddress TFormQuorMain::Server() const {
    return {FSettings.QuorHost, FSettings.QuorPort};
}

void TFormQuorMain::LogNotSent(SendRefusal reason, const QString &target) {
    FLog.AddLine(lsError, SendRefusalText(reason, target));
}

Reconnector::Hooks TFormQuorMain::ReconnectHooks() {
    Reconnector::Hooks hooks;
    hooks.Log = [this](const QString &line) { FLog.AddLine(lsConnection, line); };
    hooks.LogOn = [this](const QString &name, const QString &password) {
        return FCentral->AddLogin(name.toStdString(), password.toStdString())
                   ? LogOnAddedSession(name, password)
                   : -1;
    };
    hooks.ShowRetrying = [this] { ShowConnecting(); };
    hooks.Rejoin = [this](const JoinedChannel &channel) {
        FCommands->OpenAndJoinChannel(channel.Name, channel.Type, channel.Password);
    };
    return hooks;
}
