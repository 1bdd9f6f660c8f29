// SPDX-License-Identifier: MIT
// A main window logged on as alice to the scripted loopback server, for
// tests that raise session events through the session manager's callback
// handlers with the session's real handle.
#pragma once

#include "MainWindowFixture.h"

#include "hbQuorClasses.h"
#include "hbQuorPump.h"
#include "pump_until.h"
#include "scripted_server.h"

#include <QLineEdit>

struct ScriptedLogOn {
    quor::testing::ScriptedServer Server;
    MainWindowFixture Fixture;
    TFormQuorMain *Window = nullptr;
    hbquor::ThbQuorCentral *Central = nullptr;
    QUORHANDLE Handle = nullptr;

    /// Starts the window with the further settings lines (the fixture set
    /// up before) and logs alice on; false when the logon did not complete.
    bool Start(const QByteArray &settings = {}) {
        Window = &Fixture.StartForServer(Server.port(), settings);
        Central = &Fixture.Client().Central();
        Window->ui.inpUserName->setText(QStringLiteral("alice"));
        if (Central->Login("alice", "secret") != 0 || !Server.AcceptOpening(200) ||
            !quor::testing::PumpUntil([this] { return Central->IsConnected("alice"); }, 3000,
                                      hbquor::PumpPending))
            return false;
        Handle = Central->FindByName("alice")->Handle();
        return Handle != nullptr;
    }
};
