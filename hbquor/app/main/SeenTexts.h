// SeenTexts: when the program's own unread count takes a private text as
// seen: it arrives while the main window or the sender's conversation
// window is active; and when the texts waiting become seen: the main window
// becoming active sees all of them, a conversation window its peer's.
#pragma once

#include <QString>

class QObject;
class QWidget;
class TalkWindowRegistry;

namespace hbquor::client {
class ReceivedUnread;
}

namespace hbquor::main {

/// Whether a text from from is seen as it arrives.
bool TextSeenNow(const QString &from, const QWidget *mainWindow,
                 const TalkWindowRegistry &talkWindows);

/// Marks the texts seen as windows become active, for as long as owner lives.
void MarkSeenOnActivation(client::ReceivedUnread &unread, QWidget *mainWindow, QObject *owner);

} // namespace hbquor::main
