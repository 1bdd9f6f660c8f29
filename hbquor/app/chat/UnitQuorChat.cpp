// SPDX-License-Identifier: MIT
#include "UnitQuorChat.h"

#include "FillFields.h"

namespace {

const TalkWindowLayout ChatLayout{
    .ClientSize = QSize(410, 218),
    .Edit1 = QRect(8, 192, 393, 22),
    .Memo1 = QRect(8, 8, 393, 177),
    .SpeedButton1 = QRect(8, 184, 393, 9),
    .WindowFont = QStringLiteral("MS Sans Serif"),
};

} // namespace

TFormQuorChat::TFormQuorChat() : TQuorTalkWindow(ChatLayout) {
    UpdateCaption();
}

QSize TFormQuorChat::StartingSize() {
    return ChatLayout.ClientSize;
}

void TFormQuorChat::SetPeerName(const QString &name) {
    PeerName = name;
    UpdateCaption();
}

void TFormQuorChat::UpdateCaption() {
    ShowTitle(tr("%1 talk / telegram to %2").arg(OwnName, PeerName));
    NamePane(FillFields(tr("Conversation with %s"), {PeerName}));
}

void TFormQuorChat::NotifyClosed() {
    if (OnClose)
        OnClose(*this);
}
