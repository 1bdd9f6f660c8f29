// ReceivedUnread: the program's own count of unread private texts: a text
// counts when it arrives while the user does not see it (the window showing
// it is not active, which the windows tell through the seen check), and no
// longer once its sender's window or the main window is active again.
#pragma once

#include "UnreadSource.h"

#include <QHash>
#include <QString>

#include <functional>

namespace hbquor::client {

class ChatClient;

class ReceivedUnread : public UnreadSource {
    Q_OBJECT

public:
    /// Whether a text from this sender is seen as it arrives.
    using SeenCheck = std::function<bool(const QString &from)>;

    /// Counts client's private texts; client must outlive it.
    ReceivedUnread(ChatClient &client, SeenCheck seen, QObject *parent = nullptr);

    int UnreadPrivateTexts() const override { return FTotal; }

    /// The texts from one sender were seen (their window became active).
    void SeenFrom(const QString &from);
    /// Everything was seen (the main window became active).
    void SeenAll();

private:
    /// Counts by sender, keyed by the service's folded name.
    QHash<QString, int> FBySender;
    int FTotal = 0;
    SeenCheck FSeen;
};

} // namespace hbquor::client
