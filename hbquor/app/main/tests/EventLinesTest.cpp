// SPDX-License-Identifier: MIT
// The words of every logged event: the pane paragraph, its colour, and the
// chat log line written with it (or none), each made by one call.
#include "EventLines.h"
#include "EventLogFixture.h"
#include "VrtText.h"

#include "hbQuorUnit.h"

#include <QCoreApplication>
#include <QTest>
#include <QTextBlock>
#include <QTranslator>

#include <functional>

namespace {

struct Row {
    const char *Event;
    std::function<void(EventLines &)> Call;
    QString Pane;
    QColor Colour;
    QString File; // null: the chat log gets no line
};

const QColor Black(0, 0, 0);
const QColor Green(0, 128, 0);
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);

/// Makes the row's event and compares the pane's last paragraph and the
/// chat log's last line with the row.
void CheckRow(const LogFixture &f, EventLines &lines, const Row &row) {
    const QStringList before = f.FileLines();
    row.Call(lines);
    const QTextBlock last = f.Pane.document()->lastBlock();
    QVERIFY2(last.text() == row.Pane, row.Event);
    QVERIFY2(last.begin().fragment().charFormat().foreground().color() == row.Colour, row.Event);
    const QStringList after = f.FileLines();
    if (row.File.isNull())
        QVERIFY2(after == before, row.Event);
    else
        QVERIFY2(after.value(after.size() - 1) == row.File, row.Event);
}

/// German for a few of the lines' patterns, installed while it lives.
class GermanPatterns : public QTranslator {
public:
    GermanPatterns() { QCoreApplication::installTranslator(this); }
    ~GermanPatterns() override { QCoreApplication::removeTranslator(this); }
    QString translate(const char *context, const char *source, const char *, int) const override {
        static const QHash<QByteArray, QString> german{
            {"%s joined channel %s", "%s hat Kanal %s betreten"},
            {"%s (to %s)", "%s (an %s)"},
            {"  Channel: %s - %s - %d users", "  Kanal: %s - %s - %d Benutzer"},
            {"Connected: %s", "Verbunden: %s"},
            {"Channel error: %s, %s - %d %s", "Kanalfehler: %s, %s - %d %s"},
            {"Passworded", "Mit Passwort"},
        };
        const QByteArray from(context);
        return from == "EventLines" || from == "TFormQuorChannel" ? german.value(source)
                                                                  : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class EventLinesTest : public QObject {
    Q_OBJECT

private slots:
    void everyEventInBothForms() {
        LogFixture f;
        EventLines lines(f.Log);
        f.Log.OpenChatLog();
        const QString T = FormatLogTimeStamp(f.Now);
        const QList<Row> rows{
            {"joined", [](EventLines &l) { l.ChannelJoined("bob", "#a"); }, "bob joined channel #a",
             Green, T + " VRT: bob joined channel #a"},
            {"left", [](EventLines &l) { l.ChannelLeft("bob", "#a"); }, "bob left channel #a",
             Green, T + " VRT: bob left channel #a"},
            {"opened", [](EventLines &l) { l.ChannelOpened("al", "#a"); }, "al opened channel #a",
             Green, T + " VRT: al opened channel #a"},
            {"closed", [](EventLines &l) { l.ChannelClosed("al", "#a"); }, "al closed channel #a",
             Green, T + " VRT: al closed channel #a"},
            {"channel error", [](EventLines &l) { l.ChannelError("#a", "al", 3, "gone"); },
             "Channel error: #a, al - 3 gone", Red, T + " VRT - Channel #a error 3: gone"},
            {"channel text", [](EventLines &l) { l.ChannelText("#a", "bob", "hi %s"); },
             "#a - bob: \thi %s", Black, "#a - bob: hi %s"},
            {"listed", [](EventLines &l) { l.ChannelListEntry("#a", 0, 1); },
             "  Channel: #a - Standard - 1 user", Blue, "  Channel: #a - Standard - 1 user"},
            {"listing end", [](EventLines &l) { l.ChannelListEnd(0); },
             "There are 0 channels operating", Blue, "There are 0 channels operating"},
            {"invitation", [](EventLines &l) { l.Invitation("bob", "al", "#s"); },
             "Invitation: bob invites al to join channel #s", Red,
             "Invitation: bob invites al to join channel #s"},
            {"private text", [](EventLines &l) { l.PrivateText("bob", "al", "yo"); },
             "bob (to al): \tyo", Black, "bob (to al): yo"},
            {"offline text", [](EventLines &l) { l.OfflineText("bob", "al", 25569.0, "later"); },
             "\tlater", Red, "bob (to al), sent on 1970 January 1 Thursday 00:00 VRT: later"},
            {"text failed", [](EventLines &l) { l.TextFailed("al", "zed", 4, "no"); },
             "Error al - text for zed, 4 no", Red, T + " VRT - al text for zed error 4: no"},
            {"connecting", [](EventLines &l) { l.Connecting(); }, "Connecting...", Green, {}},
            {"connected", [](EventLines &l) { l.Connected("al"); }, "Connected: al", Green,
             T + " VRT - Connected: al"},
            {"disconnected", [](EventLines &l) { l.Disconnected("al"); }, "Disconnected: al", Green,
             T + " VRT - Disconnected: al"},
            {"login failed",
             [](EventLines &l) { l.LoginFailed("al", 5, "bad", "[::1]:8317"); },
             "Login error: al - 5 bad ([::1]:8317)",
             Red,
             {}},
            {"status",
             [](EventLines &l) { l.UserStatus("bob", hbquor::QuorUserStatus::OnlineAdmin); },
             "bob is online as administrator",
             Black,
             {}},
            {"ping",
             [](EventLines &l) { l.PingReply("bob", 1); },
             "Ping reply from bob: 1 second",
             Green,
             {}},
            {"welcome", [](EventLines &l) { l.Welcome("hello"); }, "hello", Blue,
             T + " VRT - Quor server welcome message: hello"},
            {"broadcast", [](EventLines &l) { l.Broadcast("root", "noon"); }, "root: noon", Blue,
             T + " VRT - Quor server broadcast message: noon"},
            {"error",
             [](EventLines &l) { l.Error("", "W.x ", "quor_x", -1, "e"); },
             "Error: W.x , quor_x, -1 e",
             Red,
             {}},
            {"account error",
             [](EventLines &l) { l.Error("al", "W", "q", 2, "e"); },
             "Error: al - W, q, 2 e",
             Red,
             {}},
        };
        for (const Row &row : rows)
            CheckRow(f, lines, row);
    }

    void paneInTheUsersLanguageFileInEnglish() {
        const GermanPatterns german;
        LogFixture f;
        EventLines lines(f.Log);
        f.Log.OpenChatLog();
        const QString T = FormatLogTimeStamp(f.Now);
        const QList<Row> rows{
            {"joined", [](EventLines &l) { l.ChannelJoined("bob", "#a"); },
             "bob hat Kanal #a betreten", Green, T + " VRT: bob joined channel #a"},
            {"private text", [](EventLines &l) { l.PrivateText("bob", "al", "yo"); },
             "bob (an al): \tyo", Black, "bob (to al): yo"},
            {"listed", [](EventLines &l) { l.ChannelListEntry("#a", 2, 2); },
             "  Kanal: #a - Mit Passwort - 2 Benutzer", Blue,
             "  Channel: #a - Passworded - 2 users"},
            {"connected", [](EventLines &l) { l.Connected("al"); }, "Verbunden: al", Green,
             T + " VRT - Connected: al"},
            {"channel error", [](EventLines &l) { l.ChannelError("#a", "al", 3, "gone"); },
             "Kanalfehler: #a, al - 3 gone", Red, T + " VRT - Channel #a error 3: gone"},
        };
        for (const Row &row : rows)
            CheckRow(f, lines, row);
    }

    void offlineTextHasAHeaderParagraph() {
        LogFixture f;
        EventLines(f.Log).OfflineText("bob", "al", 25569.0, "later");
        QCOMPARE(f.Pane.document()->firstBlock().text(),
                 QStringLiteral("bob (to al), sent on 1970 January 1 Thursday 00:00 VRT:"));
        QCOMPARE(f.Pane.document()->blockCount(), 2);
    }

    void closedChannelWritesLeftThenClosed() {
        LogFixture f;
        f.Log.OpenChatLog();
        EventLines(f.Log).ChannelClosed("al", "#a");
        const QStringList file = f.FileLines();
        QCOMPARE(file.mid(file.size() - 2),
                 (QStringList{FormatLogTimeStamp(f.Now) + " VRT: al left channel #a",
                              FormatLogTimeStamp(f.Now) + " VRT: al closed channel #a"}));
        QCOMPARE(f.Pane.document()->firstBlock().text(), QStringLiteral("al left channel #a"));
    }
};

QTEST_MAIN(EventLinesTest)
#include "EventLinesTest.moc"
