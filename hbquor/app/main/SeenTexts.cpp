#include "SeenTexts.h"

#include "ReceivedUnread.h"
#include "TalkWindowRegistry.h"
#include "UnitQuorChat.h"

#include <QApplication>
#include <QWidget>

namespace hbquor::main {

bool TextSeenNow(const QString &from, const QWidget *mainWindow,
                 const TalkWindowRegistry &talkWindows) {
    const QWidget *active = QApplication::activeWindow();
    if (active == nullptr)
        return false;
    const TFormQuorChat *chat = talkWindows.FindChatWindow(from);
    return active == mainWindow || (chat != nullptr && active == chat);
}

void MarkSeenOnActivation(client::ReceivedUnread &unread, QWidget *mainWindow, QObject *owner) {
    QObject::connect(qApp, &QApplication::focusChanged, owner,
                     [&unread, mainWindow](QWidget *, QWidget *now) {
                         QWidget *window = now != nullptr ? now->window() : nullptr;
                         if (window == mainWindow)
                             unread.SeenAll();
                         else if (const auto *chat = qobject_cast<TFormQuorChat *>(window))
                             unread.SeenFrom(chat->GetPeerName());
                     });
}

} // namespace hbquor::main
