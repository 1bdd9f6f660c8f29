// SPDX-License-Identifier: MIT
// The words of the server's answer to an invitation, by what was remembered.
#include "InvitationMemory.h"

#include <QTest>

using namespace hbquor::client;

class InvitationMemoryTest : public QObject {
    Q_OBJECT

private slots:
    void answersNamingTheLastInvitationUseBothNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("the user, authorised")
            << "BOB" << 0 << "Invitation for bob to join #lobby authorised!";
        QTest::newRow("the channel, refused")
            << "#Lobby" << 8 << "Invitation for bob to join #lobby FAILED\rReason 8: full";
        QTest::newRow("another, authorised") << "zed" << 0 << "Invitation for zed authorised!";
        QTest::newRow("another, refused")
            << "zed" << 8 << "Invitation for zed FAILED\rReason 8: full";
    }

    void answersNamingTheLastInvitationUseBothNames() {
        QFETCH(QString, name);
        QFETCH(int, code);
        QFETCH(QString, text);
        InvitationMemory memory;
        memory.Remember(QStringLiteral("bob"), QStringLiteral("#lobby"));
        QCOMPARE(memory.ResultText(name, code, QStringLiteral("full")), text);
    }

    void theLastInvitationReplacesTheOneBefore() {
        InvitationMemory memory;
        memory.Remember(QStringLiteral("bob"), QStringLiteral("#a"));
        memory.Remember(QStringLiteral("carol"), QStringLiteral("#b"));
        QCOMPARE(memory.User(), QStringLiteral("carol"));
        QCOMPARE(memory.ResultText(QStringLiteral("bob"), 0, {}),
                 QStringLiteral("Invitation for bob authorised!"));
    }
};

QTEST_GUILESS_MAIN(InvitationMemoryTest)
#include "InvitationMemoryTest.moc"
