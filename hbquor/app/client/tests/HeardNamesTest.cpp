// SPDX-License-Identifier: MIT
// The names heard this run: from every kind of text and from joins, the
// most recent first, once each by the service's name rule.
#include "HeardNames.h"
#include "ChatClient.h"

#include <QTest>

using namespace hbquor::client;

class HeardNamesTest : public QObject {
    Q_OBJECT

private slots:
    void mostRecentFirstOnceEach() {
        ChatClient client;
        HeardNames heard(client);
        emit client.TextReceived(PrivateText{"me", "carol", "hi", 0});
        emit client.ChannelTextReceived(ChannelText{"#lobby", "Bob", "yo"});
        emit client.OfflineTextReceived(OfflineText{"me", "dave", "later", 0});
        emit client.ChannelJoined(ChannelMember{"#lobby", "erin"});
        emit client.TextReceived(PrivateText{"me", "CAROL", "again", 0});
        emit client.TextReceived(PrivateText{"me", "", "from nobody", 0});
        QCOMPARE(heard.Names(), (QStringList{"CAROL", "erin", "dave", "Bob"}));
    }
};

QTEST_GUILESS_MAIN(HeardNamesTest)
#include "HeardNamesTest.moc"
