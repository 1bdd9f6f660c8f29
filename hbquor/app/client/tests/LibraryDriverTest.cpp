// SPDX-License-Identifier: MIT
// The library driver inside Qt's event loop: callbacks arrive through the
// socket notifier, and a window handler that throws anything at all is
// logged while the program goes on receiving.
#include "LibraryDriver.h"

#include "hbQuorClasses.h"
#include "scripted_server.h"

#include <QTest>

#include <stdexcept>
#include <string>
#include <vector>

using namespace hbquor::client;

class LibraryDriverTest : public QObject {
    Q_OBJECT

private slots:
    void handlerFaultsOfEveryKindAreLoggedAndReceivingGoesOn() {
        quor::testing::ScriptedServer server;
        server.UseForLibrary();
        hbquor::ThbQuorCentral central;
        QCOMPARE(central.Init(), 0);
        // Only Qt's event loop runs below: what arrives comes through the
        // driver's watch on the library's descriptor.
        LibraryDriver driver;

        std::vector<std::string> received;
        central.SetOnText([&](hbquor::ThbQuorUnit *, const std::string &, const std::string &text) {
            received.push_back(text);
            if (text == "int")
                throw 42;
            if (text == "standard")
                throw std::runtime_error("window gone");
        });
        QCOMPARE(central.Login("alice", "secret"), 0);
        QVERIFY(server.AcceptOpening(200));
        QVERIFY(QTest::qWaitFor([&] { return central.IsConnected("alice"); }));

        QTest::ignoreMessage(
            QtWarningMsg, "hbquor: event handler failed: unknown fault - not a standard exception");
        QTest::ignoreMessage(QtWarningMsg,
                             "hbquor: event handler failed: std::runtime_error - window gone");
        for (const char *text : {"int", "standard", "after"}) {
            server.Send(quor::testing::MakeText("bob", "alice", text));
            QVERIFY(
                QTest::qWaitFor([&] { return received.size() > 0 && received.back() == text; }));
        }
        QVERIFY(central.IsConnected("alice"));
    }
};

QTEST_MAIN(LibraryDriverTest)
#include "LibraryDriverTest.moc"
