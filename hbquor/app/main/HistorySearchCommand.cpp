// SPDX-License-Identifier: MIT
#include "HistorySearchCommand.h"

#include "PastLines.h"
#include "ProgramHistory.h"
#include "SearchDialog.h"
#include "TalkWindowRegistry.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"

namespace hbquor::main {

HistorySearchCommand::HistorySearchCommand(QWidget *parent, historyrecord::ProgramHistory &history,
                                           TalkWindowRegistry &talkWindows)
    : FParent(parent), FHistory(history), FTalkWindows(talkWindows) {}

historyview::SearchDialog *HistorySearchCommand::Show(const TimeText &times) {
    const history::Account account = FHistory.CurrentAccount();
    // A dialog of an account logged off since goes.
    if (FDialog != nullptr && FDialogUser != account.User)
        delete FDialog.data();
    if (FDialog == nullptr) {
        FDialog = new historyview::SearchDialog(FHistory.Store(), account, times, FParent);
        FDialogUser = account.User;
        FDialog->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(FDialog, &historyview::SearchDialog::HitOpened, FDialog,
                         [this](const history::Hit &hit) { OpenHit(hit); });
    }
    FDialog->show();
    FDialog->raise();
    FDialog->activateWindow();
    return FDialog;
}

bool HistorySearchCommand::OpenHit(const history::Hit &hit) {
    const QString &peer = hit.Found.Peer;
    TQuorTalkWindow *window = nullptr;
    if (peer.startsWith(QLatin1Char('#')))
        window = FTalkWindows.FindChannelWindow(peer);
    else
        window = FTalkWindows.CreateChatWindow(peer);
    if (window == nullptr)
        return false;
    window->ShowInFront(true);
    auto *past = window->findChild<historyview::PastLines *>();
    return past != nullptr && past->ShowLine(hit.Found.Id);
}

} // namespace hbquor::main
