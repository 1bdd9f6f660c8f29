// The program's own unread count: texts not seen as they arrive, by sender
// under the service's name rule, and seen again by sender or all at once.
#include "ReceivedUnread.h"
#include "ChatClient.h"

#include <QSignalSpy>
#include <QTest>

using namespace hbquor::client;

class ReceivedUnreadTest : public QObject {
    Q_OBJECT

private slots:
    void countsWhatIsNotSeen() {
        ChatClient client;
        QString seenSender = QStringLiteral("dave");
        ReceivedUnread unread(client, [&](const QString &from) { return from == seenSender; });
        QSignalSpy changed(&unread, &UnreadSource::UnreadChanged);
        for (const char *from : {"carol", "CAROL", "bob", "dave"})
            emit client.TextReceived(PrivateText{"anna", from, "hi", 0});
        QCOMPARE(unread.UnreadPrivateTexts(), 3);
        QCOMPARE(changed.size(), 3);
        unread.SeenFrom(QStringLiteral("Carol"));
        QCOMPARE(unread.UnreadPrivateTexts(), 1);
        unread.SeenFrom(QStringLiteral("nobody"));
        QCOMPARE(changed.size(), 4);
        unread.SeenAll();
        QCOMPARE(unread.UnreadPrivateTexts(), 0);
        QCOMPARE(changed.size(), 5);
    }
};

QTEST_GUILESS_MAIN(ReceivedUnreadTest)
#include "ReceivedUnreadTest.moc"
