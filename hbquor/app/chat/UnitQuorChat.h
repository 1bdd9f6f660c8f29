// SPDX-License-Identifier: MIT
// TFormQuorChat: the private conversation window ("talk / telegram") between
// the logged-in user and one other user.
//
// The window knows nothing of the session layer. The main window creates it,
// keeps it in its registry under the peer name, installs the send handler
// (SetOnSendText) and the close handler (SetOnClose), and feeds it incoming
// and echoed lines through AddLine. Closing frees the window and its text.
#pragma once

#include "TalkWindow.h"

class TFormQuorChat : public TQuorTalkWindow {
    Q_OBJECT

public:
    /// Told when the window closes, before it frees itself; the main window
    /// drops the window from its registry here.
    using CloseHandler = std::function<void(TFormQuorChat &window)>;

    TFormQuorChat();

    /// The size a conversation window is designed for, its starting and
    /// minimum size.
    static QSize StartingSize();

    /// Stores the other user's name and updates the title.
    void SetPeerName(const QString &name);
    const QString &GetPeerName() const { return PeerName; }

    void SetOnClose(CloseHandler handler) { OnClose = std::move(handler); }

protected:
    /// Title: "<own> talk / telegram to <peer>".
    void UpdateCaption() override;
    QString &SendTarget() override { return PeerName; }
    void NotifyClosed() override;

private:
    QString PeerName;
    CloseHandler OnClose;
};
