// SPDX-License-Identifier: MIT
#include "TalkWindowSizes.h"

#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"
#include "WindowPlacement.h"

#include <QEvent>

TalkWindowSizes::TalkWindowSizes(const QSize &chat, const QSize &channel,
                                 std::function<QSize()> room)
    : FChat(chat.expandedTo(TFormQuorChat::StartingSize())),
      FChannel(channel.expandedTo(TFormQuorChannel::StartingSize())), FRoom(std::move(room)) {}

QSize &TalkWindowSizes::SizeFor(const QObject *window) {
    return qobject_cast<const TFormQuorChannel *>(window) ? FChannel : FChat;
}

void TalkWindowSizes::Apply(TQuorTalkWindow *window) {
    window->resize(FitWindowSize(SizeFor(window), window->minimumSize(), FRoom()));
    window->installEventFilter(this);
}

bool TalkWindowSizes::eventFilter(QObject *watched, QEvent *event) {
    // The window system reports a maximised state before the size that goes
    // with it, so a size seen in the normal state is one the user chose.
    if (event->type() == QEvent::Resize) {
        const auto *window = static_cast<const QWidget *>(watched);
        if (!(window->windowState() &
              (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
            SizeFor(watched) = window->size();
    }
    return QObject::eventFilter(watched, event);
}
