// SPDX-License-Identifier: MIT
// When something that arrives raises a desktop notification and an urgency
// mark, what the notification says, and which window its click brings up.
#include "MainWindowFixture.h"

#include "TextAlerts.h"

#include <QTest>
#include <QWidget>

class TextAlertsTest : public QObject {
    Q_OBJECT

private:
    RecordingNotifier FNotifier;
    QWidget FMain;
    QWidget *FActive = nullptr;
    QList<QWidget *> FUrgent;

    TextAlerts MakeAlerts() {
        return TextAlerts(FNotifier, &FMain,
                          {[this] { return FActive; }, [this](QWidget *w) { FUrgent << w; }});
    }

    QStringList Shown() const {
        QStringList shown;
        for (const RecordingNotifier::Notification &n : FNotifier.Shown)
            shown << n.Summary + QStringLiteral(" | ") + n.Body;
        return shown;
    }

private slots:
    void init() {
        FNotifier.Shown.clear();
        FUrgent.clear();
        FActive = nullptr;
    }

    void eachKindNamesTheSenderAndTheText() {
        TextAlerts alerts = MakeAlerts();
        QWidget chat;
        alerts.PrivateText(QStringLiteral("alice"), QStringLiteral("bob"), QStringLiteral("hi"),
                           &chat);
        alerts.OfflineText(QStringLiteral("alice"), QStringLiteral("carol"),
                           QStringLiteral("later"));
        alerts.Invitation(QStringLiteral("alice"), QStringLiteral("dave"),
                          QStringLiteral("#lobby"));
        alerts.Broadcast(QStringLiteral("alice"), QStringLiteral("admin"),
                         QStringLiteral("restart at noon"));
        QCOMPARE(Shown(), (QStringList{QStringLiteral("bob | hi"),
                                       QStringLiteral("carol (while you were away) | later"),
                                       QStringLiteral("dave | invites you to join channel #lobby"),
                                       QStringLiteral("admin (to everyone) | restart at noon")}));
        QCOMPARE(FUrgent, (QList<QWidget *>{&chat, &FMain, &FMain, &FMain}));
    }

    void nothingWhileAWindowIsActiveForOwnTextsOrWhenSwitchedOff_data() {
        QTest::addColumn<bool>("active");
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("a window of the program is active") << true << "bob" << true;
        QTest::newRow("the user's own text, in any case") << false << "ALICE" << true;
        QTest::newRow("Notify off") << false << "bob" << false;
    }

    void nothingWhileAWindowIsActiveForOwnTextsOrWhenSwitchedOff() {
        QFETCH(bool, active);
        QFETCH(QString, from);
        QFETCH(bool, enabled);
        QWidget other;
        FActive = active ? &other : nullptr;
        TextAlerts alerts = MakeAlerts();
        alerts.SetEnabled(enabled);
        alerts.PrivateText(QStringLiteral("alice"), from, QStringLiteral("hi"), nullptr);
        alerts.OfflineText(QStringLiteral("alice"), from, QStringLiteral("hi"));
        alerts.Invitation(QStringLiteral("alice"), from, QStringLiteral("#a"));
        alerts.Broadcast(QStringLiteral("alice"), from, QStringLiteral("hi"));
        QVERIFY(FNotifier.Shown.isEmpty());
        QVERIFY(FUrgent.isEmpty());
    }

    void excerptKeepsTheFirst120CharactersWhole() {
        const QString long121 = QString(121, QLatin1Char('x'));
        QCOMPARE(TextAlerts::Excerpt(long121), long121.left(120));
        QCOMPARE(TextAlerts::Excerpt(long121.left(120)), long121.left(120));
        // A character outside the basic plane at the cut is left out whole.
        const QString emoji =
            QString(119, QLatin1Char('x')) + QString::fromUtf8("\xF0\x9F\x98\x80z");
        QCOMPARE(TextAlerts::Excerpt(emoji), QString(119, QLatin1Char('x')));
    }

    void clickBringsUpTheWindowOrTheMainWindowOnceItIsGone() {
        TextAlerts alerts = MakeAlerts();
        auto *chat = new QWidget;
        chat->showMinimized();
        alerts.PrivateText(QStringLiteral("alice"), QStringLiteral("bob"), QStringLiteral("1"),
                           chat);
        alerts.PrivateText(QStringLiteral("alice"), QStringLiteral("bob"), QStringLiteral("2"),
                           chat);
        FNotifier.Shown[0].OnClick();
        QVERIFY(chat->isVisible());
        QVERIFY(!chat->isMinimized());
        delete chat;
        QVERIFY(!FMain.isVisible());
        FNotifier.Shown[1].OnClick();
        QVERIFY(FMain.isVisible());
    }
};

QTEST_MAIN(TextAlertsTest)
#include "TextAlertsTest.moc"
