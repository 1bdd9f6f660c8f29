#include "HistorySettingsPage.h"
#include "ChatClient.h"
#include "MainSettings.h"
#include "ProgramHistory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace hbquor;
using historyview::HistorySettingsPage;

class HistorySettingsPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> FDir;
    std::unique_ptr<client::ChatClient> FCore;
    std::unique_ptr<historyrecord::ProgramHistory> FHistory;
    std::unique_ptr<HistorySettingsPage> FPage;
    QStringList FQuestions;
    bool FAnswer = true;
    QString FExportFile;

    /// Lines with bob and in #lobby for the current account.
    void Say(const QString &peer, const QString &text) {
        history::Line line;
        line.Owner = FHistory->CurrentAccount();
        line.Peer = line.Sender = peer;
        line.Text = text;
        FHistory->Store().Append(line);
        QVERIFY(FHistory->Store().Flush(5000));
    }

    int LinesWith(const QString &peer) {
        return FHistory->Store().Recent(FHistory->CurrentAccount(), peer).size();
    }

private slots:
    void init() {
        FDir = std::make_unique<QTemporaryDir>();
        FCore = std::make_unique<client::ChatClient>();
        FHistory = std::make_unique<historyrecord::ProgramHistory>(*FCore);
        FHistory->Open(FDir->filePath(QStringLiteral("history.sqlite")), true, 0);
        HistorySettingsPage::Questions questions;
        questions.AskYesNo = [this](const QString &text) {
            FQuestions << text;
            return FAnswer;
        };
        questions.ShowMessage = [this](const QString &text) { FQuestions << text; };
        questions.ExportFileName = [this](const QString &) { return FExportFile; };
        FPage = std::make_unique<HistorySettingsPage>(*FHistory, questions);
        FQuestions.clear();
        FAnswer = true;
        Say(QStringLiteral("bob"), QStringLiteral("hello"));
        Say(QStringLiteral("#lobby"), QStringLiteral("all"));
    }

    void cleanup() {
        FPage.reset();
        FHistory.reset();
        FCore.reset();
    }

    void loadAndStoreKeepTheSettings() {
        QCOMPARE(FPage->Title(), QStringLiteral("History"));
        const struct {
            bool Keep;
            int Days;
        } cases[] = {{true, 0}, {false, 30}, {true, HistorySettings::MaxDays}};
        for (const auto &c : cases) {
            MainSettings in;
            in.History = {c.Keep, c.Days};
            FPage->Load(in);
            MainSettings out;
            FPage->Store(out);
            QCOMPARE(out.History.Keep, c.Keep);
            QCOMPARE(out.History.Days, c.Days);
            QVERIFY(FPage->IsValid());
        }
        // Loading asks nothing, even when it turns keeping off.
        QVERIFY(FQuestions.isEmpty());
    }

    void daysOutsideTheRangeAreNotValid() {
        QSignalSpy validity(FPage.get(), &HistorySettingsPage::ValidityChanged);
        const struct {
            const char *Days;
            bool Valid;
        } cases[] = {{"7", true}, {"", false}, {"-1", false}, {"100001", false}, {"0", true}};
        for (const auto &c : cases) {
            FPage->inpDays->setText(c.Days);
            QCOMPARE(FPage->IsValid(), c.Valid);
        }
        QCOMPARE(validity.size(), 2);
    }

    void deletingAsksFirst() {
        const struct {
            const char *Conversation;
            bool Answer;
            const char *Question;
            int BobLeft;
            int LobbyLeft;
        } cases[] = {
            {"Bob", false, "Delete the history with Bob?", 1, 1},
            {"Bob", true, "Delete the history with Bob?", 0, 1},
            {"", true, "Delete all history?", 0, 0},
        };
        for (const auto &c : cases) {
            FQuestions.clear();
            FAnswer = c.Answer;
            FPage->inpConversation->setText(c.Conversation);
            FPage->btDelete->click();
            QCOMPARE(FQuestions, QStringList{c.Question});
            QCOMPARE(LinesWith(QStringLiteral("bob")), c.BobLeft);
            QCOMPARE(LinesWith(QStringLiteral("#lobby")), c.LobbyLeft);
        }
    }

    void turningHistoryOffStopsWritingAndOffersToDelete() {
        FPage->cbKeep->setChecked(true);
        FAnswer = false;
        FPage->cbKeep->setChecked(false);
        QVERIFY(!FHistory->Store().Keeps());
        QCOMPARE(FQuestions, QStringList{"History is off. Delete all history kept?"});
        QCOMPARE(LinesWith(QStringLiteral("bob")), 1);
        FPage->cbKeep->setChecked(true);
        FAnswer = true;
        FPage->cbKeep->setChecked(false);
        QCOMPARE(LinesWith(QStringLiteral("bob")), 0);
    }

    void exportWritesTheConversationInTheChosenFormat() {
        QVERIFY(!FPage->btExport->isEnabled());
        FPage->inpConversation->setText(QStringLiteral("bob"));
        const struct {
            int Format;
            const char *Start;
        } cases[] = {{0, ""}, {1, "{\""}};
        for (const auto &c : cases) {
            FExportFile = FDir->filePath(QStringLiteral("bob%1").arg(c.Format));
            FPage->cbExportFormat->setCurrentIndex(c.Format);
            FPage->btExport->click();
            QFile file(FExportFile);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray text = file.readAll();
            QVERIFY(text.startsWith(c.Start));
            QVERIFY(text.contains("hello"));
            QVERIFY(!text.contains("all"));
        }
        FExportFile = FDir->filePath(QStringLiteral("no/such/folder"));
        FPage->btExport->click();
        QCOMPARE(FQuestions.size(), 1);
    }
};

QTEST_MAIN(HistorySettingsPageTest)
#include "HistorySettingsPageTest.moc"
