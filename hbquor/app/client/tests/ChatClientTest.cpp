// SPDX-License-Identifier: MIT
// The client core without any window, logged on to the scripted loopback
// server: each step of a logon is announced once, a received text reaches
// every listener once with its parts in their places, and what the core
// refuses to log on or send is refused before anything reaches the server.
#include "ChatClient.h"

#include "hbQuorClasses.h"
#include "hbQuorPump.h"
#include "pump_until.h"
#include "scripted_server.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace hbquor::client;

class ChatClientTest : public QObject {
    Q_OBJECT

    static constexpr double Now = 38051.5;
    std::unique_ptr<quor::testing::ScriptedServer> FServer;
    std::unique_ptr<ChatClient> FClient;

    bool Await(const std::function<bool()> &condition) {
        return quor::testing::PumpUntil(condition, 3000, hbquor::PumpPending);
    }

    /// Logs alice on and takes what the logon sends (the contact list, the
    /// own profile request).
    bool LogOn() {
        if (!FClient->LogOn(QStringLiteral("alice"), QStringLiteral("secret")) ||
            !FServer->AcceptOpening(200) || !Await([this] { return FClient->IsLoggedOn(); }))
            return false;
        while (FServer->Read(100))
            ;
        return true;
    }

private slots:
    void init() {
        FServer = std::make_unique<quor::testing::ScriptedServer>();
        ChatClient::Options options;
        options.VrtClock = [] { return Now; };
        FClient = std::make_unique<ChatClient>(options);
        FClient->SetContactSource([] { return QStringList{QStringLiteral("bob")}; });
        FClient->SetConnectionSettings(
            {{QStringLiteral("127.0.0.1"), FServer->port()}, false, {}, true});
        QVERIFY(FClient->Init());
    }

    void cleanup() {
        FClient.reset();
        FServer.reset();
    }

    void aLogonIsAnnouncedOnceAtEachStep() {
        QSignalSpy connecting(FClient.get(), &ChatClient::Connecting);
        QSignalSpy connected(FClient.get(), &ChatClient::Connected);
        QSignalSpy warnings(FClient.get(), &ChatClient::ConnectionWarning);
        QVERIFY(LogOn());
        QCOMPARE(connecting.size(), 1);
        QCOMPARE(connected.size(), 1);
        QCOMPARE(connected.first().first().toString(), QStringLiteral("alice"));
        QCOMPARE(warnings.size(), 0); // a server on this machine
        QCOMPARE(FClient->Account(), QStringLiteral("alice"));
        // The contact list came from the contact source.
        const hbquor::ThbQuorUnit *session = FClient->Central().FindByName("alice");
        QCOMPARE(session->Contacts().size(), std::size_t(1));
    }

    void aReceivedTextReachesEveryListenerOnceWithItsParts() {
        QVERIFY(LogOn());
        QList<PrivateText> first;
        QList<PrivateText> second;
        connect(FClient.get(), &ChatClient::TextReceived, this,
                [&first](const PrivateText &text) { first << text; });
        connect(FClient.get(), &ChatClient::TextReceived, this,
                [&second](const PrivateText &text) { second << text; });
        FServer->Send(quor::testing::MakeText("bob", "alice", "hi there"));
        QVERIFY(Await([&] { return !first.isEmpty(); }));
        QCOMPARE(first.size(), 1);
        QCOMPARE(second.size(), 1);
        QCOMPARE(first[0].Account, QStringLiteral("alice"));
        QCOMPARE(first[0].From, QStringLiteral("bob"));
        QCOMPARE(first[0].Text, QStringLiteral("hi there"));
        QCOMPARE(first[0].At, Now);
        // Unread until its window is activated, names ignoring case.
        QCOMPARE(FClient->Unread().Count(QStringLiteral("BOB")), 1);
        QCOMPARE(FClient->Unread().UnreadPrivateTexts(), 1);
    }

    void refusedTextsAreAnnouncedAndNothingIsSent() {
        QList<RefusedText> refused;
        connect(FClient.get(), &ChatClient::TextNotSent, this,
                [&refused](const RefusedText &text) { refused << text; });
        QVERIFY(!FClient->SendText(QStringLiteral("alice"), QStringLiteral("bob"), "hi"));
        QVERIFY(LogOn());
        const struct {
            const char *Target;
            SendRefusal Reason;
        } cases[] = {{"", SendRefusal::NoRecipient}, {"ALICE", SendRefusal::OwnName}};
        for (const auto &refusal : cases)
            QVERIFY(!FClient->SendText(QStringLiteral("alice"), refusal.Target, "hi"));
        QVERIFY(FServer->Silent(100));
        QCOMPARE(refused.size(), 3);
        QCOMPARE(refused[0].Reason, SendRefusal::NotLoggedOn);
        QCOMPARE(refused[0].Target, QStringLiteral("bob"));
        QCOMPARE(refused[1].Reason, cases[0].Reason);
        QCOMPARE(refused[2].Reason, cases[1].Reason);
        QCOMPARE(refused[2].Target, QStringLiteral("ALICE"));
    }

    void aSentTextIsAnnouncedOnceWithItsTarget() {
        QVERIFY(LogOn());
        QList<SentText> sent;
        connect(FClient.get(), &ChatClient::TextSent, this,
                [&sent](const SentText &text) { sent << text; });
        QVERIFY(FClient->SendText(QStringLiteral("alice"), QStringLiteral("#lobby"), "hi all"));
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0].Account, QStringLiteral("alice"));
        QCOMPARE(sent[0].Target, QStringLiteral("#lobby"));
        QCOMPARE(sent[0].Text, QStringLiteral("hi all"));
        QCOMPARE(sent[0].At, Now);
    }

    void aLogonWithoutPasswordSendsNothing() {
        QSignalSpy connecting(FClient.get(), &ChatClient::Connecting);
        QVERIFY(!FClient->LogOn(QStringLiteral("alice"), QString()));
        QCOMPARE(connecting.size(), 0);
        QVERIFY(!FClient->Central().HasLogin("alice"));
        QCOMPARE(FServer->Accept(100), -1);
    }

    void aProxyThatCannotBeSetHoldsBackEveryLogon() {
        QSignalSpy warnings(FClient.get(), &ChatClient::ConnectionWarning);
        ConnectionSettings settings{
            {QStringLiteral("127.0.0.1"), FServer->port()}, false, {}, true};
        settings.Proxy = {ConnectionSettings::ProxyKind::Socks5, QString(), 1080, {}, {}};
        FClient->SetConnectionSettings(settings);
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings[0][0].toString().startsWith(QStringLiteral("Proxy :1080 cannot be used")));
        QVERIFY(FClient->LogOn(QStringLiteral("alice"), QStringLiteral("secret")));
        QCOMPARE(warnings.size(), 2);
        QCOMPARE(warnings[1][0].toString(),
                 QStringLiteral("Not logged on: the proxy could not be set up"));
        QCOMPARE(FServer->Accept(100), -1);
        // Set right again, the logons go ahead.
        settings.Proxy = {};
        FClient->SetConnectionSettings(settings);
        QVERIFY(LogOn());
    }
};

QTEST_GUILESS_MAIN(ChatClientTest)
#include "ChatClientTest.moc"
