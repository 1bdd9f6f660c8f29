#include "ReceivedUnread.h"

#include "ChatClient.h"

namespace hbquor::client {

namespace {

/// One key for names the service takes as the same: A to Z folded only.
QString SenderKey(const QString &name) {
    QString key = name;
    for (QChar &c : key) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return key;
}

} // namespace

ReceivedUnread::ReceivedUnread(ChatClient &client, SeenCheck seen, QObject *parent)
    : UnreadSource(parent), FSeen(std::move(seen)) {
    connect(&client, &ChatClient::TextReceived, this, [this](const PrivateText &text) {
        if (FSeen && FSeen(text.From))
            return;
        ++FBySender[SenderKey(text.From)];
        ++FTotal;
        emit UnreadChanged();
    });
}

void ReceivedUnread::SeenFrom(const QString &from) {
    const int count = FBySender.take(SenderKey(from));
    if (count == 0)
        return;
    FTotal -= count;
    emit UnreadChanged();
}

void ReceivedUnread::SeenAll() {
    if (FTotal == 0)
        return;
    FBySender.clear();
    FTotal = 0;
    emit UnreadChanged();
}

} // namespace hbquor::client
