// SPDX-License-Identifier: MIT
// Long texts: the question before a long paste or Enter, the lines going out
// at a pace within the server's budget, and the rest kept when the
// connection drops.
#include "LongTextGuard.h"
#include "PacedSender.h"
#include "TalkTestSupport.h"
#include "UnitQuorChat.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList Numbered(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("line %1").arg(i);
    return lines;
}

} // namespace

class LongTextTest : public QObject {
    Q_OBJECT

private:
    struct Window {
        TFormQuorChat Chat;
        SendRecorder Sent;
        QStringList Questions;
        bool Answer = true;
        Window() {
            Chat.SetPeerName(QStringLiteral("carol"));
            Chat.SetOwnName(QStringLiteral("anna"));
            Chat.SetOnSendText(Sent.Handler());
            Chat.findChild<LongTextGuard *>()->SetAsk([this](QWidget *, const QString &question) {
                Questions << question;
                return Answer;
            });
        }
        const PacedSender &Sender() { return Chat.findChild<LongTextGuard *>()->Sender(); }
        bool WaitSent() {
            return QTest::qWaitFor([this] { return !Sender().IsSending(); }, 10000);
        }
    };

private slots:
    void pacedWithinTheBudget() {
        QElapsedTimer clock;
        QList<qint64> times;
        QStringList sent;
        const SendPace pace{5, 50};
        PacedSender sender(
            [&](const QString &line) {
                times << clock.elapsed();
                sent << line;
                return true;
            },
            pace);
        QSignalSpy finished(&sender, &PacedSender::Finished);
        clock.start();
        sender.Send(Numbered(30));
        QVERIFY(finished.wait(5000));
        QCOMPARE(sent, Numbered(30));
        QCOMPARE(finished.first().first().toStringList(), QStringList());
        // By each line's time no more went out than the budget holds.
        for (int i = 0; i < times.size(); ++i)
            QVERIFY2(i + 1 <= pace.Burst + times.at(i) * pace.PerSecond / 1000.0 + 1,
                     qPrintable(QStringLiteral("line %1 at %2 ms").arg(i + 1).arg(times.at(i))));
        QVERIFY(times.last() >= (30 - pace.Burst - 1) * 1000 / pace.PerSecond);
    }

    void refusedLineStopsAndComesBack() {
        int calls = 0;
        PacedSender sender([&](const QString &) { return ++calls < 4; }, SendPace{2, 100});
        QSignalSpy finished(&sender, &PacedSender::Finished);
        sender.Send(Numbered(6));
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.first().first().toStringList(), Numbered(6).mid(3));
    }

    void longTextsAsk_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("sent");
        const QString many = Numbered(37).join(u'\n');
        QTest::newRow("37 lines, sent") << many << true << "Send 37 lines to carol?" << 37;
        QTest::newRow("37 lines, cancelled") << many << false << "Send 37 lines to carol?" << 0;
        QTest::newRow("long single line")
            << QString(2001, u'x') << true << "Send 1 line to carol?" << 1;
        QTest::newRow("five lines pasted as before") << Numbered(5).join(u'\n') << true << "" << 0;
    }
    void longTextsAsk() {
        QFETCH(QString, pasted);
        QFETCH(bool, answer);
        QFETCH(QString, question);
        QFETCH(int, sent);
        Window window;
        window.Answer = answer;
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keySequence(window.Chat.Edit1, QKeySequence::Paste);
        QCOMPARE(window.Questions, question.isEmpty() ? QStringList() : QStringList{question});
        QVERIFY(window.WaitSent());
        QCOMPARE(window.Sent.Calls.size(), sent);
        if (sent > 0) {
            QCOMPARE(window.Sent.Calls.last().Text, LongTextGuard::LinesOf(pasted).last());
            QCOMPARE(window.Sent.Calls.last().Target, QStringLiteral("carol"));
            QVERIFY(LastLine(window.Chat).endsWith(LongTextGuard::LinesOf(pasted).last()));
            QVERIFY(window.Chat.Edit1->text().isEmpty());
        }
    }

    void enterAsksAndTheRestStaysWhenTheConnectionDrops() {
        Window window;
        window.Chat.Edit1->setText(Numbered(8).join(u'\n'));
        window.Chat.Edit1->setMaxLength(TQuorTalkWindow::MaxInputLength);
        int allowed = 3;
        window.Chat.SetOnSendText(
            [&](QString &, QString &, const QString &) { return allowed-- > 0; });
        QTest::keyClick(window.Chat.Edit1, Qt::Key_Return);
        QCOMPARE(window.Questions, QStringList{"Send 8 lines to carol?"});
        QVERIFY(window.WaitSent());
        QCOMPARE(window.Chat.Edit1->text(), Numbered(8).mid(3).join(u'\n'));
    }
};

QTEST_MAIN(LongTextTest)
#include "LongTextTest.moc"
