// SPDX-License-Identifier: MIT
#include "HistorySettingsPage.h"
#include "ChatClient.h"
#include "MainSettings.h"
#include "ProgramHistory.h"

#include <QCheckBox>
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

    int LinesWith(const char *peer) {
        return FHistory->Store().Recent(FHistory->CurrentAccount(), peer).size();
    }

private slots:
    void init() {
        FDir = std::make_unique<QTemporaryDir>();
        FCore = std::make_unique<client::ChatClient>();
        FHistory = std::make_unique<historyrecord::ProgramHistory>(*FCore);
        FHistory->Open(FDir->filePath(QStringLiteral("history.sqlite")), true, 0);
        HistorySettingsPage::Questions questions;
        questions.AskYesNo = [this](const QString &text) { return (FQuestions << text), FAnswer; };
        questions.ShowMessage = [this](const QString &text) { FQuestions << text; };
        FPage = std::make_unique<HistorySettingsPage>(*FHistory, questions);
        FQuestions.clear();
        for (const char *peer : {"bob", "#lobby"}) {
            history::Line line;
            line.Owner = FHistory->CurrentAccount();
            line.Peer = line.Sender = peer;
            line.Text = QStringLiteral("hello");
            FHistory->Store().Append(line);
        }
        QVERIFY(FHistory->Store().Flush(5000));
    }

    void loadStoreAndValidity() {
        QCOMPARE(FPage->Title(), QStringLiteral("Histor&y"));
        for (const HistorySettings &in : {HistorySettings{false, 30}, HistorySettings{true, 0}}) {
            MainSettings settings;
            settings.History = in;
            FPage->Load(settings);
            MainSettings out;
            FPage->Store(out);
            QCOMPARE(out.History.Keep, in.Keep);
            QCOMPARE(out.History.Days, in.Days);
        }
        QVERIFY(FQuestions.isEmpty()); // loading asks nothing
        QSignalSpy validity(FPage.get(), &HistorySettingsPage::ValidityChanged);
        const std::pair<const char *, bool> days[] = {
            {"7", true}, {"", false}, {"-1", false}, {"100001", false}, {"0", true}};
        for (const auto &[text, valid] : days) {
            FPage->inpDays->setText(text);
            QCOMPARE(FPage->IsValid(), valid);
            // A screen reader hears why the days are faulty.
            QCOMPARE(FPage->inpDays->accessibleDescription() == FPage->inpDays->toolTip(), valid);
        }
        QCOMPARE(validity.size(), 2);
    }

    void deletingAndTurningOffAskFirst() {
        const struct {
            const char *Conversation; // nullptr: turn history off
            bool Answer;
            const char *Question;
            int BobLeft, LobbyLeft;
        } cases[] = {
            {"Bob", false, "Delete the history with Bob?", 1, 1},
            {"Bob", true, "Delete the history with Bob?", 0, 1},
            {nullptr, false, "History is off. Delete all history kept?", 0, 1},
            {nullptr, true, "History is off. Delete all history kept?", 0, 0},
        };
        for (const auto &c : cases) {
            FQuestions.clear();
            FAnswer = c.Answer;
            if (c.Conversation != nullptr) {
                FPage->inpConversation->setText(c.Conversation);
                FPage->btDelete->click();
            } else {
                FPage->cbKeep->setChecked(true);
                FPage->cbKeep->setChecked(false);
            }
            QCOMPARE(FQuestions, QStringList{c.Question});
            QCOMPARE(LinesWith("bob"), c.BobLeft);
            QCOMPARE(LinesWith("#lobby"), c.LobbyLeft);
        }
        FPage->inpConversation->clear();
        FPage->btDelete->click();
        QCOMPARE(FQuestions.last(), QStringLiteral("Delete all history?"));
    }
};

QTEST_MAIN(HistorySettingsPageTest)
#include "HistorySettingsPageTest.moc"
